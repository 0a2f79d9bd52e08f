// Bytes in and out of files and memory for the image codecs, read and written in
// pieces so that a large picture never needs a second copy of its file in memory;
// free of platform headers.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include <initializer_list>
#include <memory>

// Little-endian numbers in file headers.
inline uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

// Bytes read in order, from memory or from a file.
class ByteSource {
public:
    // Copies up to n bytes and answers how many; fewer only at the end or on an error.
    virtual size_t read(void* dst, size_t n) = 0;
    // Bytes not read yet.
    virtual uint64_t remaining() const = 0;

protected:
    ~ByteSource() = default;
};

class MemorySource final : public ByteSource {
public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t read(void* dst, size_t n) override;
    uint64_t remaining() const override { return size_ - pos_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// A file opened for reading in binary mode; closed on destruction.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const char* fileName);
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    ~FileSource();
    bool ok() const { return file_ != nullptr; }
    size_t read(void* dst, size_t n) override;
    uint64_t remaining() const override { return size_ - pos_; }

private:
    FILE* file_ = nullptr;
    uint64_t size_ = 0;
    uint64_t pos_ = 0;
};

// Bytes a reader buffers, and the bytes of rows converted and written at a time.
constexpr size_t kReadBufferBytes = 64 * 1024;
constexpr size_t kRowChunkBytes = 1 << 20;

// Buffered reading over a source, for decoders that take a few bytes at a time.
class ByteReader {
public:
    explicit ByteReader(ByteSource& source, size_t bufferSize = kReadBufferBytes)
        : source_(source), bufferSize_(bufferSize > 0 ? bufferSize : 1) {}
    // Exactly n bytes, or false.
    bool get(void* dst, size_t n);
    bool skip(uint64_t n);
    uint64_t remaining() const { return source_.remaining() + (end_ - pos_); }

private:
    ByteSource& source_;
    size_t bufferSize_;
    std::unique_ptr<uint8_t[]> buffer_;
    size_t pos_ = 0;
    size_t end_ = 0;
};

// Memory for moving a picture's rows a piece at a time: as many whole rows as fit in
// pieceBytes, at least one and at most the picture's.
class RowPiece {
public:
    // False when the memory cannot be had.
    bool allocate(uint64_t rowBytes, int32_t rows, size_t pieceBytes = kRowChunkBytes);
    uint8_t* data() const { return data_.get(); }
    int32_t rows() const { return rows_; }

private:
    std::unique_ptr<uint8_t[]> data_;
    int32_t rows_ = 0;
};

// A new file written in binary mode. Anything short of a complete write and close
// removes the partial file, also a sink destroyed without close().
class FileSink {
public:
    explicit FileSink(const char* fileName);
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;
    ~FileSink();
    bool ok() const { return file_ != nullptr && ok_; }
    bool write(const void* data, size_t n);
    // True when every write succeeded and the file was closed.
    bool close();

private:
    const char* name_;
    FILE* file_;
    bool ok_ = true;
};

// The bytes of one whole file.
class FileBytes {
public:
    bool read(const char* fileName);
    const uint8_t* data() const { return data_.get(); }
    size_t size() const { return size_; }

private:
    std::unique_ptr<uint8_t[]> data_;
    size_t size_ = 0;
};
