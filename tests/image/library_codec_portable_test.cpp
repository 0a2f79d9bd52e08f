// PNG and JPEG through their libraries, and the bitmaps image plug-ins hand back.
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "image/file_bytes.h"
#include "image/jpeg_codec.h"
#include "image/plugin_bitmap.h"
#include "image/png_codec.h"

namespace {
using Bytes = std::vector<uint8_t>;
using Pixels = std::vector<uint32_t>;  // 0xAARRGGBB, straight, top row first

Pixels Read(const PixelView& v) {
    Pixels out;
    for (int32_t y = 0; y < v.height; ++y)
        for (int32_t x = 0; x < v.width; ++x) out.push_back(PackColour(GetPixel(v, x, y)));
    return out;
}

Bytes FileOf(const char* name) {
    FileBytes f;
    EXPECT_TRUE(f.read(name));
    remove(name);
    return Bytes(f.data(), f.data() + f.size());
}

template <class Load>
bool Loads(Load load, const Bytes& file, MemoryPixels& m) {
    MemorySource source(file.data(), file.size());
    return load(source, m);
}

// A smooth picture: what JPEG is made for.
void Gradient(const PixelView& v) {
    for (int32_t y = 0; y < v.height; ++y)
        for (int32_t x = 0; x < v.width; ++x)
            SetPixel(v, x, y, Colour{static_cast<uint8_t>(8 * x), static_cast<uint8_t>(10 * y), 128, 255});
}
}  // namespace

TEST(PngTest, KeepsStraightAlphaAndDropsItWhenThereIsNone) {
    const Pixels picture = {0xFFFF0000, 0x80FF8040, 0x00000000, 0xFF102030, 0x01FFFFFF, 0xC0336699};
    for (bool alpha : {true, false}) {
        MemoryPixels m;
        const PixelView v = m.Allocate(3, 2, alpha);
        for (int i = 0; i < 6; ++i) SetPixel(v, i % 3, i / 3, UnpackColour(picture[i] | (alpha ? 0 : 0xFF000000)));
        ASSERT_TRUE(SavePng("library_codec.png", v));
        const Bytes file = FileOf("library_codec.png");
        EXPECT_EQ(file[25], alpha ? 6 : 2) << "colour type";
        MemoryPixels back;
        ASSERT_TRUE(Loads(LoadPng, file, back));
        EXPECT_EQ(back.view().alpha, alpha);
        // The stored bytes come back, a premultiplied colour at most 1 lower: the file
        // holds C * 255 / A rounded down.
        for (int32_t i = 0; i < 6 * 4; ++i) {
            const int was = v.bits[i], got = back.view().bits[i];
            EXPECT_TRUE(got == was || (i % 4 != 3 && got == was - 1)) << "byte " << i << ": " << got << " for " << was;
        }
    }
}

TEST(PngTest, BrokenFilesFailCleanly) {
    MemoryPixels m;
    Gradient(m.Allocate(16, 16, false));
    ASSERT_TRUE(SavePng("library_codec.png", m.view()));
    const Bytes file = FileOf("library_codec.png");
    MemoryPixels back;
    ASSERT_TRUE(Loads(LoadPng, file, back));
    // Every cut short of the end chunk, and a wrong byte in the header's checksum.
    for (size_t n = 0; n + 12 < file.size(); n += 7)
        EXPECT_FALSE(Loads(LoadPng, Bytes(file.begin(), file.begin() + n), back)) << n << " bytes";
    Bytes bad = file;
    bad[29] ^= 1;
    EXPECT_FALSE(Loads(LoadPng, bad, back));
    EXPECT_FALSE(SavePng("library_codec.png", PixelView()));
    EXPECT_FALSE(FileBytes().read("library_codec.png")) << "no file is left behind";
}

TEST(JpegTest, SavesAtQualityWithTheSamplingAsked) {
    MemoryPixels m;
    const PixelView v = m.Allocate(32, 24, true);
    Gradient(v);
    for (int halve = 0; halve < 2; ++halve) {
        ASSERT_TRUE(SaveJpeg("library_codec.jpg", v, 90, halve, halve));
        const Bytes file = FileOf("library_codec.jpg");
        // The frame header's first component: id 1, then its sampling factors.
        size_t sof = 2;
        while (sof + 12 < file.size() && !(file[sof] == 0xFF && file[sof + 1] == 0xC0)) ++sof;
        ASSERT_LT(sof + 12, file.size());
        EXPECT_EQ(file[sof + 11], halve ? 0x22 : 0x11);
        MemoryPixels back;
        ASSERT_TRUE(Loads(LoadJpeg, file, back));
        ASSERT_EQ(back.view().width, 32);
        ASSERT_FALSE(back.view().alpha);
        const Pixels got = Read(back.view()), want = Read(v);
        int worst = 0;
        for (size_t i = 0; i < got.size(); ++i)
            for (int shift = 0; shift < 24; shift += 8)
                worst = std::max(worst, abs(static_cast<int>(got[i] >> shift & 255) - static_cast<int>(want[i] >> shift & 255)));
        EXPECT_LE(worst, halve ? 12 : 6);
        // The header alone fails; a file cut in its data decodes what it has, as the
        // library does.
        EXPECT_FALSE(Loads(LoadJpeg, Bytes(file.begin(), file.begin() + sof + 8), back));
        EXPECT_TRUE(Loads(LoadJpeg, Bytes(file.begin(), file.end() - 40), back));
    }
    EXPECT_FALSE(Loads(LoadJpeg, Bytes{0xFF, 0xD8, 0xFF, 0xD9}, m));
    EXPECT_FALSE(Loads(LoadJpeg, Bytes(), m));
}

TEST(PluginBitmapTest, ConvertsWhatTheHeaderDescribes) {
    struct Case {
        const char* what;
        int32_t width, height;
        int bits;
        uint32_t headerSize, compression, used;
        size_t paletteBytes, rowBytes;
        Pixels want;  // empty: refused
    };
    // Palette entry i is 0x0i0i0i; rows hold the bytes 1, 2, 3, ... padding included (at
    // 1 and 4 bits the first byte is 0x01).
    const Case cases[] = {
        {"8 bits bottom-up", 2, 2, 8, 40, 0, 0, 28, 8, {0xFF050505, 0xFF060606, 0xFF010101, 0xFF020202}},
        {"8 bits top-down", 2, -2, 8, 40, 0, 0, 28, 8, {0xFF010101, 0xFF020202, 0xFF050505, 0xFF060606}},
        {"palette cut by the block", 2, 1, 8, 40, 0, 4, 8, 4, {0xFF010101, 0xFF000000}},
        {"4 bits, larger header", 2, 1, 4, 52, 0, 0, 64, 4, {0xFF000000, 0xFF010101}},
        {"1 bit", 8, 1, 1, 40, 0, 2, 8, 4, {0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000,
                                              0xFF000000, 0xFF010101}},
        {"24 bits", 1, 1, 24, 40, 0, 0, 0, 4, {0xFF030201}},
        {"rows short", 2, 2, 8, 40, 0, 0, 16, 7, {}},
        {"32 bits", 1, 1, 32, 40, 0, 0, 0, 4, {}},
        {"16 bits", 2, 1, 16, 40, 0, 0, 0, 4, {}},
        {"run-length", 2, 1, 8, 40, 1, 0, 16, 4, {}},
        {"no width", 0, 1, 8, 40, 0, 0, 16, 4, {}},
    };
    for (const Case& c : cases) {
        Bytes info(c.headerSize > 40 ? c.headerSize : 40, 0);
        auto put = [&](size_t at, uint32_t v) {
            for (int i = 0; i < 4; ++i) info[at + i] = static_cast<uint8_t>(v >> 8 * i);
        };
        put(0, c.headerSize), put(4, static_cast<uint32_t>(c.width)), put(8, static_cast<uint32_t>(c.height));
        info[14] = static_cast<uint8_t>(c.bits), put(16, c.compression), put(32, c.used);
        for (size_t i = 0; i < c.paletteBytes; ++i) info.push_back(i % 4 == 3 ? 0 : static_cast<uint8_t>(i / 4));
        Bytes rows;
        for (size_t i = 0; i < c.rowBytes; ++i) rows.push_back(static_cast<uint8_t>(i + 1));
        if (c.bits == 4) rows[0] = 0x01;
        MemoryPixels m;
        const bool ok = ConvertPluginBitmap(info.data(), info.size(), rows.data(), rows.size(), m);
        EXPECT_EQ(ok, !c.want.empty()) << c.what;
        if (ok) {
            EXPECT_EQ(Read(m.view()), c.want) << c.what;
        }
    }
    MemoryPixels m;
    EXPECT_FALSE(ConvertPluginBitmap(nullptr, 0, nullptr, 0, m));
}
