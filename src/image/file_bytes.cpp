// Whole-file reads and writes in binary mode through the C run-time.
#include "image/file_bytes.h"

#include <stdio.h>

#include <new>

namespace {
using unique_file = std::unique_ptr<FILE, int (*)(FILE*)>;
}

bool FileBytes::read(const char* fileName) {
    data_.reset();
    size_ = 0;
    unique_file file(fopen(fileName, "rb"), fclose);
    if (!file || fseek(file.get(), 0, SEEK_END) != 0) return false;
    long length = ftell(file.get());
    if (length < 0 || fseek(file.get(), 0, SEEK_SET) != 0) return false;
    const size_t n = static_cast<size_t>(length);
    // One spare byte, so that an empty file still has memory behind data().
    data_.reset(new (std::nothrow) uint8_t[n + 1]);
    if (!data_ || fread(data_.get(), 1, n, file.get()) != n) {
        data_.reset();
        return false;
    }
    size_ = n;
    return true;
}

bool WriteFileBytes(const char* fileName, std::initializer_list<ByteSpan> pieces) {
    FILE* raw = fopen(fileName, "wb");
    if (!raw) return false;
    bool ok = true;
    for (const ByteSpan& piece : pieces) {
        if (piece.size > 0 && fwrite(piece.data, 1, piece.size, raw) != piece.size) ok = false;
    }
    if (fclose(raw) != 0) ok = false;
    if (!ok) remove(fileName);
    return ok;
}
