// The EXIF orientation tag (1-8) from the body of a JPEG APP1 segment.
#pragma once
#include <cstddef>
#include <cstdint>

namespace mov {

// `data` is the APP1 body after the length field ("Exif\0\0" + TIFF). Returns the
// orientation 1-8, or 1 when the segment is not EXIF, has no valid tag, or is damaged.
int ExifOrientation(const uint8_t* data, size_t size);

}  // namespace mov
