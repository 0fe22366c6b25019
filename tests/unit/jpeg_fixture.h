// JPEG pictures made by libjpeg for test fixtures, shared by the unit and the Wine tiers.
#pragma once
#include <cstdint>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace testsupport {

struct JpegShape {
    std::uint32_t width = 0, height = 0;
    bool cmyk = false;         // 4 bytes a pixel (C, M, Y, K as stored), else R, G, B
    bool ycck = false;         // CMYK stored as YCCK (always with the Adobe marker)
    bool adobeMarker = false;  // CMYK: write the Adobe marker
    int quality = 95;
};

// Encodes the picture whose pixel (x, y) `pixel(x, y, bytes)` fills in.
template <class PixelFn>
std::vector<std::uint8_t> EncodeJpeg(const JpegShape& shape, PixelFn pixel) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = shape.width;
    c.image_height = shape.height;
    c.input_components = shape.cmyk ? 4 : 3;
    c.in_color_space = shape.cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&c);
    if (shape.cmyk) {
        jpeg_set_colorspace(&c, shape.ycck ? JCS_YCCK : JCS_CMYK);
        c.write_Adobe_marker = shape.adobeMarker || shape.ycck ? TRUE : FALSE;
    }
    jpeg_set_quality(&c, shape.quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    const int n = c.input_components;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(shape.width) * n);
    while (c.next_scanline < shape.height) {
        for (std::uint32_t x = 0; x < shape.width; ++x) pixel(x, c.next_scanline, &row[static_cast<std::size_t>(x) * n]);
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<std::uint8_t> out(mem, mem + size);
    std::free(mem);
    return out;
}

}  // namespace testsupport
