// What the fuzz targets share: a failed check stops the run as a crash, and the sizes
// the image readers work with, chosen by the input's last byte so that pieces of a
// few rows and tiny read buffers get their turn.
#pragma once

#include <stddef.h>
#include <stdint.h>

inline void Check(bool ok) {
    if (!ok) __builtin_trap();
}

struct ReadSizes {
    size_t piece;
    size_t buffer;
};

inline ReadSizes ReadSizesOf(const uint8_t* data, size_t size) {
    if (size == 0) return {1, 1};
    const uint8_t last = data[size - 1];
    return {1u + last % 64u, 1u + last / 64u * 7u};
}
