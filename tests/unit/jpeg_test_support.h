// Helpers for the JPEG tests: scratch folders, outside tools, BMP/PPM readers, EXIF and CMYK makers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace jpegtest {

struct Image {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgb;  // top-down, 3 bytes a pixel
    const uint8_t* At(uint32_t x, uint32_t y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

// A fresh folder under the test's binary dir, removed when this goes out of scope.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name);
    ~ScratchDir();
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& file) const { return path_ + "/" + file; }

private:
    std::string path_;
};

// Runs a shell command; true when it exits with 0.
bool Shell(const std::string& command);
std::string Quote(const std::string& s);

std::vector<uint8_t> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool Exists(const std::string& path);

// Reads an uncompressed 24-bit or 8-bit palette BMP (what djpeg and we write).
bool ReadBmp(const std::string& path, Image& out, std::string* why = nullptr);
// Reads a binary PPM (P6, maxval 255).
bool ReadPpm(const std::string& path, Image& out);

// djpeg -bmp of `jpeg`, read back.
bool DjpegReference(const std::string& jpeg, const std::string& scratchBmp, Image& out);

// Peak signal-to-noise ratio in dB (1000 when identical); images of different size give -1.
double Psnr(const Image& a, const Image& b);

// `jpeg` with an EXIF APP1 segment carrying `orientation` put right after SOI.
std::vector<uint8_t> WithExifOrientation(const std::vector<uint8_t>& jpeg, int orientation, bool bigEndian);

// A width x height JPEG of one CMYK colour (c, m, y, k as stored), through libjpeg.
// ycck: stored as YCCK (always with the Adobe marker). adobeMarker: write the marker.
std::vector<uint8_t> EncodeCmyk(uint32_t width, uint32_t height, const uint8_t cmyk[4], bool adobeMarker, bool ycck);

}  // namespace jpegtest
