// Decodes JPEG data (with libjpeg) into a 24-bit device-independent bitmap.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace tavrin {

// Returns null and sets error when the data is not a readable JPEG picture.
HBITMAP DecodeJpeg(const unsigned char* data, size_t size, std::string* error = nullptr);

// Loads a resource of the running module by name and type; null when missing.
HBITMAP LoadJpegResource(const char* name, const char* type);

}  // namespace tavrin
