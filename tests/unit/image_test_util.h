// Helpers for the image tests: scratch folders, test pictures, ImageMagick as referee.
#pragma once
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "image/bitmap.h"

namespace testutil {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed at the end of the test.
class ScratchDir {
public:
    ScratchDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("mov-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~ScratchDir() { fs::remove_all(dir_); }
    std::string operator/(const std::string& name) const { return (dir_ / name).string(); }

private:
    fs::path dir_;
};

// A picture where every pixel differs from its neighbours in all three channels.
inline mov::Bitmap Pattern(int w, int h) {
    mov::Bitmap b;
    EXPECT_TRUE(b.Allocate(w, h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = b.row(y) + x * 3;
            p[0] = static_cast<std::uint8_t>(x * 7 + y * 3);
            p[1] = static_cast<std::uint8_t>(x * 2 + y * 11 + 40);
            p[2] = static_cast<std::uint8_t>(255 - x * 5 - y);
        }
    }
    return b;
}

inline std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Runs /usr/bin/convert (never a stand-in on PATH) with the given arguments.
inline bool Convert(const std::string& args) {
    const std::string cmd = "/usr/bin/convert " + args + " 2>/dev/null";
    return std::system(cmd.c_str()) == 0;
}

// ImageMagick's own decoding of a file, as 24-bit top-down BGR.
inline bool DecodeWithConvert(const std::string& path, const std::string& scratch, mov::Bitmap* out) {
    if (!Convert("'" + path + "' -depth 8 '" + scratch + "'")) return false;  // scratch ends in .ppm
    const std::vector<std::uint8_t> ppm = ReadAll(scratch);
    // Binary PPM: "P6", width, height, maxval, one whitespace byte, then RGB rows.
    std::size_t pos = 2;
    int fields[3] = {};
    for (int& f : fields) {
        while (pos < ppm.size() && std::isspace(ppm[pos])) ++pos;
        while (pos < ppm.size() && std::isdigit(ppm[pos])) f = f * 10 + (ppm[pos++] - '0');
    }
    ++pos;
    if (ppm.size() < 2 || ppm[0] != 'P' || ppm[1] != '6' || fields[2] != 255) return false;
    if (!out->Allocate(fields[0], fields[1])) return false;
    if (ppm.size() - pos < std::size_t(fields[0]) * fields[1] * 3) return false;
    for (int y = 0; y < fields[1]; ++y) {
        for (int x = 0; x < fields[0]; ++x, pos += 3) {
            std::uint8_t* p = out->row(y) + x * 3;
            p[0] = ppm[pos + 2];
            p[1] = ppm[pos + 1];
            p[2] = ppm[pos];
        }
    }
    return true;
}

// Largest difference of any channel, or -1 when the sizes differ.
inline int MaxDiff(const mov::Bitmap& a, const mov::Bitmap& b) {
    if (a.width() != b.width() || a.height() != b.height()) return -1;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (std::size_t i = 0; i < a.stride(); ++i) {
            worst = std::max(worst, std::abs(int(a.row(y)[i]) - int(b.row(y)[i])));
        }
    }
    return worst;
}

inline std::uint32_t Le32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (std::uint32_t(d[at + 3]) << 24);
}
inline void SetLe32(std::vector<std::uint8_t>& d, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) d[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A BITMAPINFOHEADER file from its parts: palette as BGRA quads, rows as given.
inline std::vector<std::uint8_t> BuildBmp(int w, int h, int bpp, std::uint32_t compression,
                                          const std::vector<std::uint8_t>& palette,
                                          const std::vector<std::uint8_t>& data, std::uint32_t colorsUsed = 0) {
    std::vector<std::uint8_t> f(54, 0);
    f[0] = 'B';
    f[1] = 'M';
    SetLe32(f, 2, static_cast<std::uint32_t>(54 + palette.size() + data.size()));
    SetLe32(f, 10, static_cast<std::uint32_t>(54 + palette.size()));
    SetLe32(f, 14, 40);
    SetLe32(f, 18, static_cast<std::uint32_t>(w));
    SetLe32(f, 22, static_cast<std::uint32_t>(h));
    f[26] = 1;
    f[28] = static_cast<std::uint8_t>(bpp);
    SetLe32(f, 30, compression);
    SetLe32(f, 34, static_cast<std::uint32_t>(data.size()));
    SetLe32(f, 46, colorsUsed);
    f.insert(f.end(), palette.begin(), palette.end());
    f.insert(f.end(), data.begin(), data.end());
    return f;
}

}  // namespace testutil
