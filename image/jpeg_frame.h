// A JPEG picture's size from its markers alone, turned upright by its EXIF tag, for the
// engine, which decides the placement before anything is decoded.
#pragma once
#include <cstddef>
#include <cstdint>

namespace mov {

struct JpegFrame {
    bool known = false;
    uint32_t width = 0;  // upright
    uint32_t height = 0;
    int orientation = 1;
};

// `data` holds the start of a file. Unknown when the frame header does not lie within it,
// or it gives no height (one that comes with the data, DNL). The EXIF tag is taken as the
// converter takes it: the first APP1 block whose orientation is not 1.
JpegFrame ReadJpegFrame(const uint8_t* data, size_t size);

}  // namespace mov
