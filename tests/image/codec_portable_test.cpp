// The TGA and BMP codecs on files built byte by byte, and the pixel arithmetic.
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "image/bmp_codec.h"
#include "image/file_bytes.h"
#include "image/tga32.h"

namespace {
using Bytes = std::vector<uint8_t>;
using Pixels = std::vector<uint32_t>;  // 0xAARRGGBB, straight, top row first

void Put(Bytes& b, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(i < 4 ? v >> 8 * i : 0));
}

Pixels Read(const PixelView& v) {
    Pixels out;
    for (int32_t y = 0; y < v.height; ++y)
        for (int32_t x = 0; x < v.width; ++x) out.push_back(PackColour(GetPixel(v, x, y)));
    return out;
}

// The pixels of a TGA file, or nothing when it does not decode.
Pixels TgaPixels(const Bytes& file) {
    tga32 tga;
    MemoryPixels m;
    if (!tga.decode(file.data(), file.size())) return {};
    EXPECT_TRUE(TgaToPixels(tga, m));
    return Read(m.view());
}

Bytes Patched(Bytes b, size_t at, uint8_t value) {
    b[at] = value;
    return b;
}

Bytes TgaFile(int type, int w, int h, int depth, int descriptor, const Bytes& body, const Bytes& id = {}) {
    Bytes b = {static_cast<uint8_t>(id.size()), 0, static_cast<uint8_t>(type), 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Put(b, w, 2), Put(b, h, 2), Put(b, depth, 1), Put(b, descriptor, 1);
    b.insert(b.end(), id.begin(), id.end());
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

struct Bmp {
    int bits;
    int32_t w, h;
    Bytes rows;  // as stored, padding included
    std::vector<uint32_t> palette = {};
    uint32_t infoSize = 40, used = 0, compression = 0;
};

Bytes BmpFile(const Bmp& f) {
    const uint32_t offset = 14 + f.infoSize + 4 * static_cast<uint32_t>(f.palette.size());
    Bytes b = {'B', 'M'};
    Put(b, offset + static_cast<uint32_t>(f.rows.size()), 4), Put(b, 0, 4), Put(b, offset, 4);
    Put(b, f.infoSize, 4), Put(b, f.w, 4), Put(b, f.h, 4), Put(b, 1, 2), Put(b, f.bits, 2);
    Put(b, f.compression, 4), Put(b, 0, 12), Put(b, f.used, 4), Put(b, 0, 4);
    b.resize(14 + f.infoSize, 0);
    for (uint32_t c : f.palette) Put(b, c, 4);
    b.insert(b.end(), f.rows.begin(), f.rows.end());
    return b;
}

Pixels BmpPixels(const Bytes& file) {
    MemoryPixels m;
    return DecodeBmp(file.data(), file.size(), m) ? Read(m.view()) : Pixels{};
}

constexpr uint32_t R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF, K = 0xFF000000, W = 0xFFFFFFFF;
}  // namespace

TEST(TgaTest, OrientationFollowsTheDescriptor) {
    // File pixel i is blue i + 1; bit 5 puts the first stored row at the top, bit 4
    // the first stored pixel of a row at the right.
    for (int d : {0x00, 0x10, 0x20, 0x30}) {
        Pixels expected(4);
        for (int i = 0; i < 4; ++i) {
            const int x = d & 0x10 ? 1 - i % 2 : i % 2, y = d & 0x20 ? i / 2 : 1 - i / 2;
            expected[2 * y + x] = 0xFF000000u | (i + 1);
        }
        EXPECT_EQ(TgaPixels(TgaFile(2, 2, 2, 24, d, {1, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0})), expected) << d;
    }
}

TEST(TgaTest, DecodesAndRefuses) {
    struct Case { const char* what; Bytes file; Pixels expected; };
    const Case cases[] = {
        {"ID field skipped", TgaFile(2, 1, 1, 24, 0, {0, 0, 255}, {9, 9, 9}), {R}},
        {"32 bits", TgaFile(2, 2, 1, 32, 8, {0, 255, 0, 255, 0, 0, 0, 0}), {G, 0}},
        {"run and raw packets", TgaFile(10, 4, 1, 24, 0, {0x82, 255, 0, 0, 0x00, 0, 0, 255}), {B, B, B, R}},
        {"32-bit raw then run", TgaFile(10, 3, 1, 32, 8, {0x00, 0, 0, 255, 255, 0x81, 0, 255, 0, 255}), {R, G, G}},
        {"run past the last pixel", TgaFile(10, 2, 1, 24, 0, {0x82, 255, 0, 0}), {}},
        {"raw packet past the last pixel", TgaFile(10, 1, 1, 24, 0, {0x01, 1, 1, 1, 2, 2, 2}), {}},
        {"colour-mapped", TgaFile(1, 1, 1, 24, 0, {0, 0, 0}), {}},
        {"grey", TgaFile(3, 1, 1, 24, 0, {0, 0, 0}), {}},
        {"16 bits", TgaFile(2, 1, 1, 16, 0, {0, 0}), {}},
        {"zero width", TgaFile(2, 0, 1, 24, 0, {}), {}},
        {"ID longer than the file", Patched(TgaFile(2, 1, 1, 24, 0, {0, 0, 0}), 0, 4), {}},
        {"colour map present", Patched(TgaFile(2, 1, 1, 24, 0, {0, 0, 0}), 1, 1), {}},
    };
    for (const Case& c : cases) EXPECT_EQ(TgaPixels(c.file), c.expected) << c.what;
}

TEST(TgaTest, EveryStrictPrefixFails) {
    for (const Bytes& file : {TgaFile(2, 2, 2, 32, 8, Bytes(16, 7), {1, 2}),
                              TgaFile(10, 5, 1, 24, 0, {0x81, 1, 2, 3, 0x02, 4, 5, 6, 7, 8, 9, 1, 2, 3})}) {
        ASSERT_FALSE(TgaPixels(file).empty());
        for (size_t n = 0; n < file.size(); ++n) {
            tga32 tga;
            EXPECT_FALSE(tga.decode(file.data(), n)) << n;
            EXPECT_EQ(tga.pixels(), nullptr);
        }
    }
}

TEST(TgaTest, PixelsRoundTripWithStraightAlpha) {
    const Bytes body = {10, 200, 30, 255, 200, 100, 50, 128, 1, 2, 3, 0, 90, 60, 30, 200};
    tga32 tga;
    const Bytes file = TgaFile(2, 2, 2, 32, 8, body);
    ASSERT_TRUE(tga.decode(file.data(), file.size()));
    MemoryPixels m;
    ASSERT_TRUE(TgaToPixels(tga, m));
    tga32 out = PixelsToTga(m.view());
    ASSERT_EQ(out.byteCount(), body.size());
    uint8_t head[tga32::kHeaderSize];
    out.header(head);
    EXPECT_EQ(Bytes(head, head + 18), Bytes(file.begin(), file.begin() + 18));
    for (size_t i = 0; i < body.size(); i += 4) {
        const uint8_t a = body[i + 3], *p = out.pixels() + i;
        EXPECT_EQ(p[3], a);
        for (int c = 0; c < 3; ++c) {
            const int want = a ? body[i + c] : 0;
            EXPECT_NEAR(p[c], want, a == 255 || a == 0 ? 0 : 2) << i + c;
        }
    }
}

TEST(BmpTest, Decodes) {
    const std::vector<uint32_t> two = {0x0000FF, 0xFF0000};  // blue, red
    struct Case { const char* what; Bmp file; Pixels expected; };
    const Case cases[] = {
        {"1 bit, odd width", {1, 3, 2, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}, two}, {B, R, B, R, B, R}},
        {"4 bits", {4, 3, 1, {0x12, 0x30, 0, 0}, {0, 0x0000FF, 0xFF0000, 0x00FF00}}, {B, R, G}},
        {"8 bits top-down", {8, 3, -2, {0, 1, 0, 0, 1, 1, 0, 0}, two}, {B, R, B, R, R, B}},
        {"24 bits, odd width", {24, 1, 2, {0, 0, 255, 0, 255, 0, 0, 0}}, {B, R}},
        {"108-byte header", {8, 2, 1, {1, 0, 0, 0}, two, 108}, {R, B}},
        {"124-byte header", {8, 2, 1, {1, 0, 0, 0}, two, 124}, {R, B}},
        {"index beyond the palette", {8, 2, 1, {1, 5, 0, 0}, two, 40, 2}, {R, K}},
        // The rows follow at once: reading entry 2 would take 0x77 from them.
        {"used beyond the header block", {8, 2, 1, {1, 2, 0x77, 0x77}, two, 40, 200}, {R, K}},
        {"used below the full palette", {4, 2, 1, {0x10, 0, 0, 0}, {0xFFFFFF, 0xFFFFFF}, 40, 1}, {K, W}},
        {"RLE compression", {8, 1, 1, {0, 0, 0, 0}, two, 40, 0, 1}, {}},
        {"16 bits", {16, 1, 1, {0, 0, 0, 0}}, {}},
        {"32 bits", {32, 1, 1, {0, 0, 0, 0}}, {}},
        {"zero height", {24, 1, 0, {}}, {}},
        {"core header", {24, 1, 1, {0, 0, 0, 0}, {}, 12}, {}},
        {"rows short", {24, 2, 2, Bytes(15, 0)}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(BmpPixels(BmpFile(c.file)), c.expected) << c.what;
    EXPECT_EQ(BmpPixels(Patched(BmpFile(cases[0].file), 1, 'A')), Pixels{}) << "signature";
    EXPECT_EQ(BmpPixels(Patched(BmpFile(cases[0].file), 14, 56)), Pixels{}) << "info header past the rows";
    const Bytes file = BmpFile(cases[2].file);
    for (size_t n = 0; n < file.size(); ++n) EXPECT_EQ(BmpPixels(Bytes(file.begin(), file.begin() + n)), Pixels{}) << n;
}

TEST(BmpTest, WritesA24BitFileThatReadsBack) {
    MemoryPixels m;
    const PixelView v = m.Allocate(3, 2, false);
    const Pixels picture = {R, G, B, W, 0xFF102030, K};
    for (int i = 0; i < 6; ++i) SetPixel(v, i % 3, i / 3, UnpackColour(picture[i]));
    const char* name = "codec_portable_test.bmp";
    ASSERT_TRUE(writeBmp(name, v));
    FileBytes f;
    ASSERT_TRUE(f.read(name));
    remove(name);
    ASSERT_EQ(f.size(), 54u + 2 * 12);
    const Bytes head(f.data(), f.data() + 54);
    Bytes expected = {'B', 'M'};
    Put(expected, 78, 4), Put(expected, 0, 4), Put(expected, 54, 4), Put(expected, 40, 4), Put(expected, 3, 4);
    Put(expected, 2, 4), Put(expected, 1, 2), Put(expected, 24, 2), Put(expected, 0, 24);
    EXPECT_EQ(head, expected);
    EXPECT_EQ(BmpPixels(Bytes(f.data(), f.data() + f.size())), picture);
    EXPECT_FALSE(writeBmp(name, PixelView()));
}

TEST(PixelTest, FillsAndReads) {
    struct Case { bool alpha; Colour fill; uint32_t word; Colour read; };
    const Case cases[] = {
        {true, {255, 0, 0, 128}, 0x80800000, {255, 0, 0, 128}},
        {false, {255, 0, 0, 128}, 0xFF800000, {128, 0, 0, 255}},
        {true, {100, 0, 0, 128}, 0x80320000, {99, 0, 0, 128}},
        {true, {1, 2, 3, 0}, 0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        MemoryPixels m;
        const PixelView v = m.Allocate(2, 2, c.alpha);
        EXPECT_EQ(GetPixel(v, 1, 1), (c.alpha ? Colour{0, 0, 0, 0} : Colour{0, 0, 0, 255}));
        FillPixels(v, c.fill);
        EXPECT_EQ(reinterpret_cast<uint32_t*>(v.bits)[3], c.word);
        EXPECT_EQ(GetPixel(v, 1, 0), c.read);
    }
}

TEST(PixelTest, SetPixelWritesAndBlends) {
    MemoryPixels m;
    const PixelView v = m.Allocate(2, 2, false);
    SetPixel(v, 0, 0, {1, 2, 3, 255});
    EXPECT_EQ(Bytes(v.row(1), v.row(1) + 8), (Bytes{3, 2, 1, 255, 0, 0, 0, 255}));
    SetPixel(v, 0, 0, {255, 255, 255, 0});
    SetPixel(v, 2, 0, {255, 255, 255, 255});
    SetPixel(v, 0, -1, {255, 255, 255, 255});
    EXPECT_EQ(Read(v), (Pixels{0xFF010203, K, K, K}));
    SetPixel(v, 1, 1, {255, 255, 255, 128});
    EXPECT_EQ(Bytes(v.row(0) + 4, v.row(0) + 8), (Bytes{128, 128, 128, 255}));
    EXPECT_EQ(GetPixel(v, -1, 0), (Colour{0, 0, 0, 0}));
}

TEST(PixelTest, Scrolls) {
    // A 3×3 picture whose pixels are blue 1 to 9, top row first; '.' is empty.
    struct Case { int32_t dx, dy; const char* after; };
    const Case cases[] = {
        {0, 0, "123456789"},   {1, 0, ".12.45.78"},   {-1, 0, "23.56.89."},  {0, -1, "456789..."},
        {0, 1, "...123456"},   {1, 1, "....12.45"},   {-2, -2, "9........"}, {3, 0, "........."},
        {0, -3, "........."}, {INT32_MIN, 0, "........."}, {0, INT32_MAX, "........."},
    };
    for (bool alpha : {false, true}) {
        for (const Case& c : cases) {
            MemoryPixels m;
            const PixelView v = m.Allocate(3, 3, alpha);
            for (uint32_t i = 0; i < 9; ++i) SetPixel(v, i % 3, i / 3, UnpackColour(0xFF000001 + i));
            ScrollPixels(v, c.dx, c.dy);
            std::string after;
            for (int i = 0; i < 9; ++i) {
                const uint32_t word = *reinterpret_cast<uint32_t*>(v.at(i % 3, i / 3));
                if (word == (alpha ? 0u : 0xFF000000u)) after += '.';
                else after += word >= 0xFF000001 && word <= 0xFF000009 ? static_cast<char>('0' + (word & 15)) : '?';
            }
            EXPECT_EQ(after, c.after) << c.dx << "," << c.dy << (alpha ? " alpha" : "");
        }
    }
}
