// text_loop: the plain C loops that the text benchmarks compare scripts with. Each
// mode does what the matching script does, with the host's own conversions and no
// script engine in between, and prints the time it took.
//
//   text_loop gets FILE ENCODING          read FILE line by line in ENCODING
//   text_loop encode FILE ENCODING COUNT  convert FILE's narrow text to ENCODING, COUNT times
//   text_loop decode FILE ENCODING COUNT  convert FILE's ENCODING bytes to narrow text, COUNT times
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "clock.h"
#include "globals/encoding.h"
#include "object/text.h"

namespace {
std::string ReadAll(const char* path) {
    std::string bytes;
    FILE* f = fopen(path, "rb");
    if (!f) return bytes;
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    fclose(f);
    return bytes;
}

// A script string is what the script finally gets from each line.
size_t ToScriptString(const std::string& narrow) {
    std::wstring wide = ToWide(narrow);
    return wide.size();
}

// One line of bytes up to and including the line feed, in pieces of up to 511 bytes.
bool ReadByteLine(FILE* f, std::string& line) {
    line.clear();
    char piece[512];
    while (fgets(piece, sizeof piece, f)) {
        size_t n = strlen(piece);
        line.append(piece, n);
        if (n && piece[n - 1] == '\n') break;
    }
    return !line.empty();
}

// One line of UTF-16 units up to and including unit 10 (a binary-mode stream).
bool ReadUnitLine(FILE* f, std::string& line) {
    line.clear();
    int lo, hi;
    while ((lo = getc(f)) != EOF && (hi = getc(f)) != EOF) {
        unsigned unit = static_cast<unsigned>(lo) | (static_cast<unsigned>(hi) << 8);
        if (unit == 0xFEFF || unit == 0xFFFE) continue;
        line.push_back(static_cast<char>(lo));
        line.push_back(static_cast<char>(hi));
        if (unit == 10) break;
    }
    return !line.empty();
}

int Gets(const char* path, int code) {
    FILE* f = fopen(path, "rb");
    if (!f) return 1;
    double start = Now();
    std::string line;
    size_t lines = 0, units = 0;
    while (code == kEncodingUtf16 ? ReadUnitLine(f, line) : ReadByteLine(f, line)) {
        units += ToScriptString(FromExternal(code, line));
        ++lines;
    }
    double ms = Now() - start;
    fclose(f);
    printf("%zu lines, %zu characters, %.1f ms\n", lines, units, ms);
    return 0;
}

int Convert(const char* path, int code, int count, bool encode) {
    std::string input = ReadAll(path);
    size_t out = 0;
    double start = Now();
    for (int i = 0; i < count; ++i)
        out += encode ? ToExternal(code, input).size() : ToScriptString(FromExternal(code, input));
    double ms = (Now() - start) / count;
    printf("%zu bytes in, %zu out, %.2f ms per conversion\n", input.size(), out / count, ms);
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: text_loop gets|encode|decode FILE ENCODING [COUNT]\n");
        return 2;
    }
    std::string mode = argv[1];
    int code = EncodingCode(argv[3]);
    if (code < 0) {
        fprintf(stderr, "text_loop: unknown encoding %s\n", argv[3]);
        return 2;
    }
    int count = argc > 4 ? atoi(argv[4]) : 10;
    if (count < 1) count = 1;
    if (mode == "gets") return Gets(argv[2], code);
    if (mode == "encode") return Convert(argv[2], code, count, true);
    if (mode == "decode") return Convert(argv[2], code, count, false);
    fprintf(stderr, "text_loop: unknown mode %s\n", argv[1]);
    return 2;
}
