// Image files: the choice of codec by extension.
#include "image/image_file.h"

#include "image/bmp_codec.h"
#include "image/dib32.h"
#include "image/tga32.h"
#include "object/text.h"

namespace {
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
    // PNG, JPEG and the formats of image plug-ins are not read yet.
    if (format != Format::Tga && format != Format::Bmp) return false;
    FileSource file(fileName.c_str());
    if (!file.ok()) return false;
    return format == Format::Tga ? LoadTga(file, buffer) : DecodeBmp(file, buffer);
}

bool saveImageFile(const std::string& fileName, const dib32& buffer) {
    switch (FormatOf(fileName)) {
    case Format::Tga:
        return WriteTgaFile(fileName.c_str(), buffer.view());
    case Format::Jpeg:
    case Format::Png:
        return false;
    default:
        return writeBmp(fileName.c_str(), buffer.view());
    }
}
