// image_loop: the plain C work that the image benchmark compares scripts with. Each
// operation touches the same bytes as the matching Image call, with no script engine
// and no image code in between, and prints the time per repetition: the fastest of
// five batches of COUNT / 5, after one run outside the timing (noise on a shared
// machine only ever adds time).
//
//   image_loop OPERATION COUNT [FOLDER]
//
//   cls.opaque, cls.alpha   a fill of a 4096 × 4096 DIB section: 32-bit words of
//                           0xFF000000, or memset 0
//   scroll.1.1, scroll.0.1  the memmove of each row that a scroll by (1, 1) or (0, 1)
//                           moves, row by row as the Image does it
//   block.1.1, block.0.1    the same bytes in a single memmove, for comparison
//   draw.opaque             BitBlt of a 2048 × 2048 DIB section onto another
//   draw.alpha              AlphaBlend of a 2048 × 2048 one with alpha onto an opaque one
//   copy.draw               memcpy of the bytes of one 2048 × 2048 picture
//   save.tga24, save.bmp, save.tga32
//                           fwrite of a file the size of a 6000 × 4000 picture in
//                           that format, in FOLDER (default: the current one), from
//                           memory written before the timing
//   load.tga24, load.bmp, load.tga32
//                           fread of such a file into memory written before the timing
//   fresh.dib               CreateDIBSection of 6000 × 4000, filled once, deleted
//   fresh.heap              new[] of 72 MB (the bytes of a 24-bit 6000 × 4000 file),
//                           filled once, deleted: what a buffer for a file costs
//
// Pixel memory comes from CreateDIBSection like the Image's, and is written once before
// the timing, so page faults of fresh memory count in neither.
#include <windows.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <string>

#include "clock.h"
#include "object/handles.h"

namespace {
// A 32-bit DIB section selected into a memory context of its own, rows bottom-up.
struct Dib {
    gdi_bitmap bitmap;
    memory_dc dc;
    dc_selection selection;
    uint8_t* bits = nullptr;
    int width = 0, height = 0;

    bool create(int w, int h) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* memory = nullptr;
        bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0));
        dc.reset(CreateCompatibleDC(nullptr));
        if (!bitmap || !memory || !dc) return false;
        selection = dc_selection(dc.get(), bitmap.get());
        bits = static_cast<uint8_t*>(memory);
        width = w;
        height = h;
        return true;
    }
    size_t bytes() const { return static_cast<size_t>(width) * static_cast<size_t>(height) * 4; }
    size_t pitch() const { return static_cast<size_t>(width) * 4; }
};

constexpr int kSide = 4096, kDrawSide = 2048, kFileWidth = 6000, kFileHeight = 4000;

void FillWords(uint32_t* p, size_t count, uint32_t word) {
    for (size_t i = 0; i < count; ++i) p[i] = word;
}

// The rows of a scroll down by dy and right by dx (both 0 or more), each moved by its
// own memmove, bottom row of the picture first: memory row k takes row k + dy.
void ScrollRows(const Dib& d, int dx, int dy) {
    const size_t moved = static_cast<size_t>(d.width - dx) * 4;
    for (int k = 0; k + dy < d.height; ++k)
        memmove(d.bits + k * d.pitch() + 4 * dx, d.bits + (k + dy) * d.pitch(), moved);
}

// The same bytes in one piece: with no padding between rows they are contiguous.
void ScrollBlock(const Dib& d, int dx, int dy) {
    const size_t bytes = (d.height - dy) * d.pitch() - 4 * dx;
    memmove(d.bits + 4 * dx, d.bits + dy * d.pitch(), bytes);
}

uint64_t FileSize(const std::string& format, int w, int h) {
    const uint64_t pixels = static_cast<uint64_t>(w) * static_cast<uint64_t>(h);
    if (format == "tga24") return 18 + pixels * 3;
    if (format == "tga32") return 18 + pixels * 4;
    if (format == "bmp") return 54 + (static_cast<uint64_t>(w) * 3 + 3) / 4 * 4 * static_cast<uint64_t>(h);
    return 0;
}

bool WriteWhole(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(data, 1, size, f) == size;
    return fclose(f) == 0 && ok;
}

bool ReadWhole(const std::string& path, uint8_t* data, size_t size) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return false;
    bool ok = fread(data, 1, size, f) == size;
    fclose(f);
    return ok;
}

// Runs body once, then count times in five batches; answers the fastest batch's time
// per run, or -1 when body failed. count becomes the number of timed runs.
template <class Body>
double Best(int& count, Body body) {
    const int batches = count < 5 ? count : 5, per = count / batches;
    count = batches * per;
    if (!body()) return -1;
    double best = 0;
    for (int b = 0; b < batches; ++b) {
        const double start = Now();
        for (int i = 0; i < per; ++i)
            if (!body()) return -1;
        const double ms = (Now() - start) / per;
        if (b == 0 || ms < best) best = ms;
    }
    return best;
}

int Report(const char* op, int count, double ms, const char* what) {
    if (ms < 0) {
        fprintf(stderr, "image_loop %s: failed\n", op);
        return 1;
    }
    printf("%-12s %6d x %10.4f ms  %s\n", op, count, ms, what);
    return 0;
}

int Fail(const char* op, const char* why) {
    fprintf(stderr, "image_loop %s: %s\n", op, why);
    return 1;
}

int Pixels(const std::string& op, int count) {
    Dib d;
    if (!d.create(kSide, kSide)) return Fail(op.c_str(), "no DIB section");
    memset(d.bits, 0, d.bytes());
    const char* what = nullptr;
    double ms = -1;
    auto run = [&](auto body) { ms = Best(count, [&] { return body(), true; }); };
    uint32_t* words = reinterpret_cast<uint32_t*>(d.bits);
    if (op == "cls.opaque") {
        what = "fill of 32-bit words 0xFF000000";
        run([&] { FillWords(words, d.bytes() / 4, 0xFF000000u); });
    } else if (op == "cls.alpha") {
        what = "memset 0";
        run([&] { memset(d.bits, 0, d.bytes()); });
    } else if (op == "scroll.1.1" || op == "scroll.0.1") {
        const int dx = op == "scroll.1.1" ? 1 : 0;
        what = dx ? "memmove per row, 4095 rows of 16380 bytes" : "memmove per row, 4095 rows of 16384 bytes";
        run([&] { ScrollRows(d, dx, 1); });
    } else if (op == "block.1.1" || op == "block.0.1") {
        const int dx = op == "block.1.1" ? 1 : 0;
        what = "one memmove of the same bytes";
        run([&] { ScrollBlock(d, dx, 1); });
    } else {
        return Fail(op.c_str(), "unknown operation");
    }
    return Report(op.c_str(), count, ms, what);
}

int Draw(const std::string& op, int count) {
    Dib source, target;
    if (!source.create(kDrawSide, kDrawSide) || !target.create(kDrawSide, kDrawSide))
        return Fail(op.c_str(), "no DIB section");
    // Half-transparent grey premultiplied, so every pixel is blended.
    FillWords(reinterpret_cast<uint32_t*>(source.bits), source.bytes() / 4, 0x80404040u);
    FillWords(reinterpret_cast<uint32_t*>(target.bits), target.bytes() / 4, 0xFF000000u);
    const int w = kDrawSide;
    const char* what = nullptr;
    double ms = -1;
    auto run = [&](auto body) { ms = Best(count, [&] { return body(), true; }); };
    if (op == "draw.opaque") {
        what = "BitBlt SRCCOPY between DIB sections";
        run([&] { BitBlt(target.dc.get(), 0, 0, w, w, source.dc.get(), 0, 0, SRCCOPY); });
    } else if (op == "draw.alpha") {
        what = "AlphaBlend AC_SRC_ALPHA between DIB sections";
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        run([&] { AlphaBlend(target.dc.get(), 0, 0, w, w, source.dc.get(), 0, 0, w, w, blend); });
    } else if (op == "copy.draw") {
        what = "memcpy of the same bytes";
        run([&] { memcpy(target.bits, source.bits, source.bytes()); });
    } else {
        return Fail(op.c_str(), "unknown operation");
    }
    return Report(op.c_str(), count, ms, what);
}

// Fresh memory costs its first write: on some machines (virtual ones above all) that
// takes far longer than writing it again.
int Fresh(const std::string& op, int count) {
    const char* what = nullptr;
    double ms = -1;
    if (op == "fresh.dib") {
        what = "CreateDIBSection 6000 x 4000, first fill, DeleteObject";
        ms = Best(count, [] {
            Dib d;
            if (!d.create(kFileWidth, kFileHeight)) return false;
            FillWords(reinterpret_cast<uint32_t*>(d.bits), d.bytes() / 4, 0xFF000000u);
            return true;
        });
    } else if (op == "fresh.heap") {
        what = "new[] 72000000 bytes, first memset, delete[]";
        ms = Best(count, [] {
            const size_t bytes = static_cast<size_t>(kFileWidth) * kFileHeight * 3;
            std::unique_ptr<uint8_t[]> p(new uint8_t[bytes]);
            memset(p.get(), 0x5A, bytes);
            // A read the compiler cannot drop, so that neither is the memory.
            static_cast<void>(*static_cast<volatile uint8_t*>(p.get() + bytes / 2));
            return true;
        });
    } else {
        return Fail(op.c_str(), "unknown operation");
    }
    return Report(op.c_str(), count, ms, what);
}

int Files(const std::string& op, int count, const std::string& folder) {
    const bool save = op.compare(0, 5, "save.") == 0;
    const std::string format = op.substr(5);
    const uint64_t size = FileSize(format, kFileWidth, kFileHeight);
    if (size == 0 || size > SIZE_MAX) return Fail(op.c_str(), "unknown operation");
    std::unique_ptr<uint8_t[]> data(new uint8_t[static_cast<size_t>(size)]);
    memset(data.get(), 0x5A, static_cast<size_t>(size));
    const std::string path = folder + "\\image_loop." + format;
    const size_t n = static_cast<size_t>(size);
    // A load reads the file the run outside the timing wrote.
    bool written = false;
    const double ms = Best(count, [&] {
        if (save || !written) return written = WriteWhole(path, data.get(), n);
        return ReadWhole(path, data.get(), n);
    });
    remove(path.c_str());
    char what[64];
    snprintf(what, sizeof what, "%s of %llu bytes", save ? "fwrite" : "fread", static_cast<unsigned long long>(size));
    return Report(op.c_str(), count, ms, what);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || atoi(argv[2]) < 1) {
        fprintf(stderr, "usage: image_loop OPERATION COUNT [FOLDER]\n");
        return 2;
    }
    const std::string op = argv[1];
    const int count = atoi(argv[2]);
    const std::string folder = argc > 3 ? argv[3] : ".";
    if (op.compare(0, 4, "cls.") == 0 || op.compare(0, 7, "scroll.") == 0 || op.compare(0, 6, "block.") == 0)
        return Pixels(op, count);
    if (op.compare(0, 5, "draw.") == 0 || op == "copy.draw") return Draw(op, count);
    if (op.compare(0, 5, "save.") == 0 || op.compare(0, 5, "load.") == 0) return Files(op, count, folder);
    if (op.compare(0, 6, "fresh.") == 0) return Fresh(op, count);
    return Fail(op.c_str(), "unknown operation");
}
