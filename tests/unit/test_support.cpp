// Helpers shared by the unit tests.
#include "test_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "image/bmp.h"

namespace testsupport {

namespace {
std::string BaseDir() {
    const char* b = std::getenv("MOV_BINARY_DIR");
    return b ? std::string(b) + "/test-scratch" : std::string("/tmp");
}

std::string TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info ? std::string(info->test_suite_name()) + "-" + info->name() : std::string("scratch");
}
}  // namespace

ScratchDir::ScratchDir(const std::string& name) {
    std::string leaf = name.empty() ? TestName() : name;
    std::replace(leaf.begin(), leaf.end(), '/', '-');  // parameterised test names
    path_ = BaseDir() + "/" + leaf + "." + std::to_string(getpid());
    Shell("rm -rf " + Quote(path_) + " && mkdir -p " + Quote(path_));
}

ScratchDir::~ScratchDir() { Shell("rm -rf " + Quote(path_)); }

bool Shell(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

bool Convert(const std::string& args) { return Shell("/usr/bin/convert " + args); }

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

bool ReadPpm(const std::string& path, mov::Bitmap* out) {
    const std::vector<std::uint8_t> ppm = ReadFile(path);
    // "P6", width, height, maxval, one whitespace byte, then RGB rows.
    std::size_t pos = 2;
    int fields[3] = {};
    for (int& f : fields) {
        while (pos < ppm.size() && std::isspace(ppm[pos])) ++pos;
        while (pos < ppm.size() && std::isdigit(ppm[pos])) f = f * 10 + (ppm[pos++] - '0');
    }
    ++pos;
    if (ppm.size() < 2 || ppm[0] != 'P' || ppm[1] != '6' || fields[2] != 255) return false;
    if (!out->Allocate(fields[0], fields[1])) return false;
    if (ppm.size() < pos || ppm.size() - pos < std::size_t(fields[0]) * fields[1] * 3) return false;
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

bool DecodeWithConvert(const std::string& path, const std::string& scratch, mov::Bitmap* out) {
    return Convert(Quote(path) + " -depth 8 " + Quote(scratch)) && ReadPpm(scratch, out);
}

bool DjpegReference(const std::string& jpeg, const std::string& scratchBmp, mov::Bitmap* out) {
    // djpeg exits non-zero on warnings (a truncated file) but still writes the picture.
    Shell("djpeg -bmp -outfile " + Quote(scratchBmp) + " " + Quote(jpeg));
    return mov::ReadBmpFile(scratchBmp.c_str(), out) == mov::BmpStatus::Ok;
}

int MaxDiff(const mov::Bitmap& a, const mov::Bitmap& b) {
    if (a.width() != b.width() || a.height() != b.height()) return -1;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (std::size_t i = 0; i < a.stride(); ++i)
            worst = std::max(worst, std::abs(int(a.row(y)[i]) - int(b.row(y)[i])));
    return worst;
}

double Psnr(const mov::Bitmap& a, const mov::Bitmap& b) {
    if (a.width() != b.width() || a.height() != b.height()) return -1;
    double se = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (std::size_t i = 0; i < a.stride(); ++i) {
            const double d = double(a.row(y)[i]) - double(b.row(y)[i]);
            se += d * d;
        }
    }
    if (se == 0) return 1000;
    return 10 * std::log10(255.0 * 255.0 * double(a.stride()) * a.height() / se);
}

mov::Bitmap Pattern(int w, int h) {
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

std::uint32_t Le32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (std::uint32_t(d[at + 3]) << 24);
}

void SetLe32(std::vector<std::uint8_t>& d, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) d[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::vector<std::uint8_t> BuildBmp(int w, int h, int bpp, std::uint32_t compression,
                                   const std::vector<std::uint8_t>& palette, const std::vector<std::uint8_t>& data,
                                   std::uint32_t colorsUsed) {
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

std::vector<std::uint8_t> WithExifOrientation(const std::vector<std::uint8_t>& jpeg, int orientation, bool bigEndian) {
    auto put16 = [&](std::vector<std::uint8_t>& v, std::uint32_t x) {
        if (bigEndian) { v.push_back(std::uint8_t(x >> 8)); v.push_back(std::uint8_t(x)); }
        else { v.push_back(std::uint8_t(x)); v.push_back(std::uint8_t(x >> 8)); }
    };
    auto put32 = [&](std::vector<std::uint8_t>& v, std::uint32_t x) {
        if (bigEndian) { put16(v, x >> 16); put16(v, x & 0xFFFF); }
        else { put16(v, x & 0xFFFF); put16(v, x >> 16); }
    };
    std::vector<std::uint8_t> tiff;
    tiff.push_back(bigEndian ? 'M' : 'I');
    tiff.push_back(bigEndian ? 'M' : 'I');
    put16(tiff, 42);
    put32(tiff, 8);        // IFD0 right after the header
    put16(tiff, 2);        // two entries: a resolution unit first, then the orientation
    put16(tiff, 0x0128); put16(tiff, 3); put32(tiff, 1); put16(tiff, 2); put16(tiff, 0);
    put16(tiff, 0x0112); put16(tiff, 3); put32(tiff, 1); put16(tiff, std::uint32_t(orientation)); put16(tiff, 0);
    put32(tiff, 0);        // no next IFD
    std::vector<std::uint8_t> body = {'E', 'x', 'i', 'f', 0, 0};
    body.insert(body.end(), tiff.begin(), tiff.end());
    size_t len = body.size() + 2;
    std::vector<std::uint8_t> out(jpeg.begin(), jpeg.begin() + 2);  // SOI
    out.push_back(0xFF);
    out.push_back(0xE1);
    out.push_back(std::uint8_t(len >> 8));
    out.push_back(std::uint8_t(len));
    out.insert(out.end(), body.begin(), body.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

}  // namespace testsupport
