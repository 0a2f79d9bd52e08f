// The one writer behind everything the host prints on standard output and error.
#pragma once

#include <stdio.h>

#include <string>

// Writes narrow text to a stream and answers the bytes taken, as fwrite does. On
// standard output or error attached to a console, the text goes out through the
// wide console call, converted from the ANSI code page, so the console shows it
// whatever its own code page; a double-byte character split across two writes is
// held back until its second byte comes. Any other stream, and a redirected
// standard stream, receives the bytes unchanged.
size_t WriteOutput(FILE* stream, const char* data, size_t size);
inline size_t WriteOutput(FILE* stream, const std::string& text) {
    return WriteOutput(stream, text.data(), text.size());
}
// printf-style formatting into WriteOutput.
void PrintOutput(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
