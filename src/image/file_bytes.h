// Whole files in and out of memory, for the image codecs; free of platform headers.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <initializer_list>
#include <memory>

// The bytes of one file, read in one piece.
class FileBytes {
public:
    // False when the file cannot be opened or read completely.
    bool read(const char* fileName);
    const uint8_t* data() const { return data_.get(); }
    size_t size() const { return size_; }

private:
    std::unique_ptr<uint8_t[]> data_;
    size_t size_ = 0;
};

struct ByteSpan {
    const void* data;
    size_t size;
};

// Writes the pieces one after another into a new file; false when any write fails
// (the partial file is removed).
bool WriteFileBytes(const char* fileName, std::initializer_list<ByteSpan> pieces);
