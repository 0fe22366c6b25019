// Walks the markers up to the first scan: the frame header gives the size, APP1 the turn.
#include "image/jpeg_frame.h"
#include "image/exif_orientation.h"

namespace mov {
namespace {

constexpr uint8_t kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kApp1 = 0xE1;

// Start-of-frame markers: C0-CF but DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameHeader(uint8_t m) { return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC; }
// Markers without a length: RSTn and TEM.
bool Standalone(uint8_t m) { return (m >= 0xD0 && m <= 0xD7) || m == 0x01; }

}  // namespace

JpegFrame ReadJpegFrame(const uint8_t* data, size_t size) {
    JpegFrame f;
    if (!data || size < 4 || data[0] != 0xFF || data[1] != kSoi) return f;
    bool sized = false;
    size_t pos = 2;
    while (pos + 1 < size) {
        if (data[pos] != 0xFF) return f;  // damaged: the converter's own result decides
        uint8_t m = data[pos + 1];
        if (m == 0xFF) {  // fill byte
            ++pos;
            continue;
        }
        pos += 2;
        if (Standalone(m)) continue;
        if (m == kEoi || m == kSos) break;
        if (pos + 2 > size) return f;
        const size_t len = static_cast<size_t>(data[pos]) << 8 | data[pos + 1];
        if (len < 2 || pos + len > size) return f;
        const uint8_t* body = data + pos + 2;
        const size_t bodySize = len - 2;
        if (IsFrameHeader(m) && !sized && bodySize >= 5) {
            f.height = static_cast<uint32_t>(body[1]) << 8 | body[2];
            f.width = static_cast<uint32_t>(body[3]) << 8 | body[4];
            sized = true;
        } else if (m == kApp1 && f.orientation == 1) {
            f.orientation = ExifOrientation(body, bodySize);
        }
        pos += len;
    }
    if (!sized || f.width == 0 || f.height == 0) return f;
    if (f.orientation >= 5) {
        const uint32_t w = f.width;
        f.width = f.height;
        f.height = w;
    }
    f.known = true;
    return f;
}

}  // namespace mov
