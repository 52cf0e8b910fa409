#include "ui/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace tavrin {

namespace {

// libjpeg ends the process on errors unless error_exit returns elsewhere.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
    auto* error = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

}  // namespace

HBITMAP DecodeJpeg(const unsigned char* data, size_t size, std::string* errorText) {
    if (!data || size == 0) {
        if (errorText) *errorText = "empty picture";
        return nullptr;
    }
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    HBITMAP bitmap = nullptr;
    std::vector<unsigned char> row;  // outside the jump's reach: no destructor is skipped
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        if (bitmap) DeleteObject(bitmap);
        if (errorText) *errorText = error.message;
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = -height;  // top-down rows
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        jpeg_destroy_decompress(&info);
        if (errorText) *errorText = "out of memory";
        return nullptr;
    }
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    row.resize(static_cast<size_t>(width) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        unsigned line = info.output_scanline;
        jpeg_read_scanlines(&info, rows, 1);
        auto* target = static_cast<unsigned char*>(bits) + stride * line;
        for (int x = 0; x < width; ++x) {  // RGB to the DIB's BGR order
            target[x * 3 + 0] = row[static_cast<size_t>(x) * 3 + 2];
            target[x * 3 + 1] = row[static_cast<size_t>(x) * 3 + 1];
            target[x * 3 + 2] = row[static_cast<size_t>(x) * 3 + 0];
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return bitmap;
}

HBITMAP LoadJpegResource(const char* name, const char* type) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, name, type);
    if (!resource) return nullptr;
    HGLOBAL loaded = LoadResource(module, resource);
    DWORD size = SizeofResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return nullptr;
    return DecodeJpeg(static_cast<const unsigned char*>(data), size);
}

}  // namespace tavrin
