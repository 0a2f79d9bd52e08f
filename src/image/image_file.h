// Image files: the format chosen by the file name's extension.
#pragma once

#include <string>

class dib32;

// The extension of the path's file-name part, lower-cased ("" when it has no dot).
std::string FileExtension(const std::string& path);

// True when the picture was read into the buffer.
bool loadImageFile(const std::string& fileName, dib32& buffer);
// True when the file was written.
bool saveImageFile(const std::string& fileName, const dib32& buffer);
