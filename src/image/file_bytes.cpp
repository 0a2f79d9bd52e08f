// Byte sources and sinks over the C run-time's binary streams.
#include "image/file_bytes.h"

#include <string.h>

#include <new>

size_t MemorySource::read(void* dst, size_t n) {
    if (n > size_ - pos_) n = size_ - pos_;
    if (n > 0) memcpy(dst, data_ + pos_, n);
    pos_ += n;
    return n;
}

FileSource::FileSource(const char* fileName) : file_(fopen(fileName, "rb")) {
    if (!file_) return;
    long length = -1;
    if (fseek(file_, 0, SEEK_END) == 0) length = ftell(file_);
    if (length < 0 || fseek(file_, 0, SEEK_SET) != 0) {
        fclose(file_);
        file_ = nullptr;
        return;
    }
    size_ = static_cast<uint64_t>(length);
}

FileSource::~FileSource() {
    if (file_) fclose(file_);
}

size_t FileSource::read(void* dst, size_t n) {
    if (!file_) return 0;
    size_t got = fread(dst, 1, n, file_);
    pos_ += got;
    if (got < n) pos_ = size_;  // an error or a file that shrank: nothing more comes
    return got;
}

bool ByteReader::get(void* dst, size_t n) {
    uint8_t* out = static_cast<uint8_t*>(dst);
    size_t buffered = end_ - pos_;
    if (n <= buffered) {
        memcpy(out, buffer_.get() + pos_, n);
        pos_ += n;
        return true;
    }
    if (buffered > 0) memcpy(out, buffer_.get() + pos_, buffered);
    pos_ = end_ = 0;
    out += buffered;
    n -= buffered;
    // Large reads go straight to the destination; small ones refill the buffer.
    if (n >= bufferSize_) return source_.read(out, n) == n;
    if (!buffer_) {
        buffer_.reset(new (std::nothrow) uint8_t[bufferSize_]);
        if (!buffer_) return false;
    }
    end_ = source_.read(buffer_.get(), bufferSize_);
    if (end_ < n) return false;
    memcpy(out, buffer_.get(), n);
    pos_ = n;
    return true;
}

bool ByteReader::skip(uint64_t n) {
    uint8_t scrap[4096];
    while (n > 0) {
        size_t step = n < sizeof scrap ? static_cast<size_t>(n) : sizeof scrap;
        if (!get(scrap, step)) return false;
        n -= step;
    }
    return true;
}

bool RowPiece::allocate(uint64_t rowBytes, int32_t rows, size_t pieceBytes) {
    data_.reset();
    rows_ = 0;
    if (rowBytes == 0 || rows <= 0 || rowBytes > SIZE_MAX) return false;
    const uint64_t fit = rowBytes >= pieceBytes ? 1 : pieceBytes / rowBytes;
    const int32_t n = fit < static_cast<uint64_t>(rows) ? static_cast<int32_t>(fit) : rows;
    if (rowBytes * n > SIZE_MAX) return false;
    data_.reset(new (std::nothrow) uint8_t[static_cast<size_t>(rowBytes * n)]);
    if (!data_) return false;
    rows_ = n;
    return true;
}

FileSink::FileSink(const char* fileName) : name_(fileName), file_(fopen(fileName, "wb")) {}

// A sink destroyed before it was closed was abandoned part-way: its file goes.
FileSink::~FileSink() {
    ok_ = false;
    close();
}

bool FileSink::write(const void* data, size_t n) {
    if (!ok()) return false;
    if (n > 0 && fwrite(data, 1, n, file_) != n) ok_ = false;
    return ok_;
}

bool FileSink::close() {
    if (!file_) return false;
    if (fclose(file_) != 0) ok_ = false;
    file_ = nullptr;
    if (!ok_) remove(name_);
    return ok_;
}

bool FileBytes::read(const char* fileName) {
    data_.reset();
    size_ = 0;
    FileSource file(fileName);
    if (!file.ok() || file.remaining() > SIZE_MAX - 1) return false;
    const size_t n = static_cast<size_t>(file.remaining());
    // One spare byte, so that an empty file still has memory behind data().
    data_.reset(new (std::nothrow) uint8_t[n + 1]);
    if (!data_ || file.read(data_.get(), n) != n) {
        data_.reset();
        return false;
    }
    size_ = n;
    return true;
}
