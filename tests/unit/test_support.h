// Helpers shared by the unit tests: scratch folders, files, outside tools (ImageMagick,
// djpeg) as referees, test pictures and hand-made BMP and EXIF bytes. Pictures are read
// with image/'s own BMP reader.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "image/bitmap.h"

namespace testsupport {

// A fresh folder under $MOV_BINARY_DIR/test-scratch (else the system's temporary folder),
// named after the running test unless a name is given; removed at the end.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name = "");
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& file) const { return path_ + "/" + file; }

private:
    std::string path_;
};

// Runs a shell command quietly; true when it exits with 0.
bool Shell(const std::string& command);
// `s` quoted for the shell.
std::string Quote(const std::string& s);
// /usr/bin/convert (never a stand-in on PATH) with the given arguments.
bool Convert(const std::string& args);

std::vector<std::uint8_t> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
bool Exists(const std::string& path);

// A binary PPM (P6, maxval 255) as a bitmap.
bool ReadPpm(const std::string& path, mov::Bitmap* out);
// ImageMagick's own decoding of a picture; `scratch` must end in ".ppm".
bool DecodeWithConvert(const std::string& path, const std::string& scratch, mov::Bitmap* out);
// djpeg -bmp of `jpeg`, read back.
bool DjpegReference(const std::string& jpeg, const std::string& scratchBmp, mov::Bitmap* out);

// Largest difference of any channel, or -1 when the sizes differ.
int MaxDiff(const mov::Bitmap& a, const mov::Bitmap& b);
// Peak signal-to-noise ratio in dB (1000 when identical); different sizes give -1.
double Psnr(const mov::Bitmap& a, const mov::Bitmap& b);

// A picture where every pixel differs from its neighbours in all three channels.
mov::Bitmap Pattern(int w, int h);

std::uint32_t Le32(const std::vector<std::uint8_t>& d, std::size_t at);
void SetLe32(std::vector<std::uint8_t>& d, std::size_t at, std::uint32_t v);
// A BITMAPINFOHEADER file from its parts: palette as BGRA quads, rows as given.
std::vector<std::uint8_t> BuildBmp(int w, int h, int bpp, std::uint32_t compression,
                                   const std::vector<std::uint8_t>& palette, const std::vector<std::uint8_t>& data,
                                   std::uint32_t colorsUsed = 0);

// `jpeg` with an EXIF APP1 segment carrying `orientation` right after SOI.
std::vector<std::uint8_t> WithExifOrientation(const std::vector<std::uint8_t>& jpeg, int orientation, bool bigEndian);

}  // namespace testsupport
