// Image files: the choice of codec by extension.
#include "image/image_file.h"

#include "image/bmp_codec.h"
#include "image/dib32.h"
#include "image/jpeg_codec.h"
#include "image/png_codec.h"
#include "image/spi_load.h"
#include "image/tga32.h"
#include "object/text.h"

namespace {
constexpr int kJpegQuality = 90;

enum class Format { Tga, Jpeg, Png, Bmp, Other };

Format FormatOf(const std::string& fileName) {
    const std::string ext = FileExtension(fileName);
    if (ext == "tga") return Format::Tga;
    if (ext == "jpg" || ext == "jpeg") return Format::Jpeg;
    if (ext == "png") return Format::Png;
    if (ext == "bmp") return Format::Bmp;
    return Format::Other;
}
}  // namespace

std::string FileExtension(const std::string& path) {
    std::string name = FileNamePart(path);
    // A dot cannot be the trail byte of a double-byte character, so the last one is
    // the extension's.
    size_t dot = name.rfind('.');
    if (dot == std::string::npos) return std::string();
    std::string ext = name.substr(dot + 1);
    LowerNarrow(ext);
    return ext;
}

bool loadImageFile(const std::string& fileName, dib32& buffer) {
    const Format format = FormatOf(fileName);
    if (format == Format::Other) return SPILoad::instance().load(fileName, buffer);
    FileSource file(fileName.c_str());
    if (!file.ok()) return false;
    switch (format) {
    case Format::Tga:
        return LoadTga(file, buffer);
    case Format::Jpeg:
        return LoadJpeg(file, buffer);
    case Format::Png:
        return LoadPng(file, buffer);
    default:
        return DecodeBmp(file, buffer);
    }
}

bool saveImageFile(const std::string& fileName, const dib32& buffer) {
    switch (FormatOf(fileName)) {
    case Format::Tga:
        return WriteTgaFile(fileName.c_str(), buffer.view());
    case Format::Jpeg:
        return SaveJpeg(fileName.c_str(), buffer.view(), kJpegQuality);
    case Format::Png:
        return SavePng(fileName.c_str(), buffer.view());
    default:
        return writeBmp(fileName.c_str(), buffer.view());
    }
}
