// JPEG test helpers: tools through the shell, tiny image readers, hand-made EXIF and CMYK files.
#include "jpeg_test_support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include <jpeglib.h>

namespace jpegtest {

namespace {

uint32_t Le16(const uint8_t* p) { return p[0] | p[1] << 8; }
uint32_t Le32(const uint8_t* p) { return Le16(p) | Le16(p + 2) << 16; }

std::string BaseDir() {
    const char* b = std::getenv("MOV_BINARY_DIR");
    return b ? std::string(b) + "/test-scratch" : std::string("/tmp");
}

}  // namespace

ScratchDir::ScratchDir(const std::string& name) {
    path_ = BaseDir() + "/" + name + "." + std::to_string(getpid());
    Shell("rm -rf " + Quote(path_) + " && mkdir -p " + Quote(path_));
}

ScratchDir::~ScratchDir() { Shell("rm -rf " + Quote(path_)); }

bool Shell(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

bool ReadBmp(const std::string& path, Image& out, std::string* why) {
    auto fail = [&](const char* w) { if (why) *why = w; return false; };
    std::vector<uint8_t> b = ReadFile(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return fail("not a BMP");
    uint32_t dataOffset = Le32(&b[10]), infoSize = Le32(&b[14]);
    int32_t w = static_cast<int32_t>(Le32(&b[18])), h = static_cast<int32_t>(Le32(&b[22]));
    uint32_t bpp = Le16(&b[28]), compression = Le32(&b[30]);
    if (compression != 0 || w <= 0 || h == 0) return fail("unsupported header");
    bool bottomUp = h > 0;
    uint32_t height = static_cast<uint32_t>(bottomUp ? h : -h);
    uint32_t width = static_cast<uint32_t>(w);
    size_t stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
    if (b.size() < dataOffset + stride * height) return fail("short pixel data");
    const uint8_t* palette = &b[14 + infoSize];
    out.width = width;
    out.height = height;
    out.rgb.assign(static_cast<size_t>(width) * height * 3, 0);
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* row = &b[dataOffset + stride * (bottomUp ? height - 1 - y : y)];
        for (uint32_t x = 0; x < width; ++x) {
            uint8_t* d = &out.rgb[(static_cast<size_t>(y) * width + x) * 3];
            const uint8_t* s;
            if (bpp == 24) s = row + x * 3;
            else if (bpp == 8) s = palette + row[x] * 4;
            else return fail("unsupported depth");
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
        }
    }
    return true;
}

bool ReadPpm(const std::string& path, Image& out) {
    std::vector<uint8_t> b = ReadFile(path);
    unsigned w = 0, h = 0, maxval = 0;
    int used = 0;
    std::string head(b.begin(), b.begin() + (b.size() < 64 ? b.size() : 64));
    if (std::sscanf(head.c_str(), "P6 %u %u %u%n", &w, &h, &maxval, &used) != 3 || maxval != 255) return false;
    size_t start = static_cast<size_t>(used) + 1;
    size_t n = static_cast<size_t>(w) * h * 3;
    if (b.size() < start + n) return false;
    out.width = w;
    out.height = h;
    out.rgb.assign(b.begin() + static_cast<long>(start), b.begin() + static_cast<long>(start + n));
    return true;
}

bool DjpegReference(const std::string& jpeg, const std::string& scratchBmp, Image& out) {
    // djpeg exits non-zero on warnings (a truncated file) but still writes the picture.
    std::system(("djpeg -bmp -outfile " + Quote(scratchBmp) + " " + Quote(jpeg) + " >/dev/null 2>&1").c_str());
    return ReadBmp(scratchBmp, out);
}

double Psnr(const Image& a, const Image& b) {
    if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size()) return -1;
    double se = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i) {
        double d = double(a.rgb[i]) - double(b.rgb[i]);
        se += d * d;
    }
    if (se == 0) return 1000;
    return 10 * std::log10(255.0 * 255.0 * a.rgb.size() / se);
}

std::vector<uint8_t> WithExifOrientation(const std::vector<uint8_t>& jpeg, int orientation, bool bigEndian) {
    auto put16 = [&](std::vector<uint8_t>& v, uint32_t x) {
        if (bigEndian) { v.push_back(uint8_t(x >> 8)); v.push_back(uint8_t(x)); }
        else { v.push_back(uint8_t(x)); v.push_back(uint8_t(x >> 8)); }
    };
    auto put32 = [&](std::vector<uint8_t>& v, uint32_t x) {
        if (bigEndian) { put16(v, x >> 16); put16(v, x & 0xFFFF); }
        else { put16(v, x & 0xFFFF); put16(v, x >> 16); }
    };
    std::vector<uint8_t> tiff;
    tiff.push_back(bigEndian ? 'M' : 'I');
    tiff.push_back(bigEndian ? 'M' : 'I');
    put16(tiff, 42);
    put32(tiff, 8);        // IFD0 right after the header
    put16(tiff, 2);        // two entries: a resolution unit first, then the orientation
    put16(tiff, 0x0128); put16(tiff, 3); put32(tiff, 1); put16(tiff, 2); put16(tiff, 0);
    put16(tiff, 0x0112); put16(tiff, 3); put32(tiff, 1); put16(tiff, uint32_t(orientation)); put16(tiff, 0);
    put32(tiff, 0);        // no next IFD
    std::vector<uint8_t> body = {'E', 'x', 'i', 'f', 0, 0};
    body.insert(body.end(), tiff.begin(), tiff.end());
    size_t len = body.size() + 2;
    std::vector<uint8_t> out(jpeg.begin(), jpeg.begin() + 2);  // SOI
    out.push_back(0xFF);
    out.push_back(0xE1);
    out.push_back(uint8_t(len >> 8));
    out.push_back(uint8_t(len));
    out.insert(out.end(), body.begin(), body.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

std::vector<uint8_t> EncodeCmyk(uint32_t width, uint32_t height, const uint8_t cmyk[4], bool adobeMarker, bool ycck) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long memSize = 0;
    jpeg_mem_dest(&c, &mem, &memSize);
    c.image_width = width;
    c.image_height = height;
    c.input_components = 4;
    c.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&c);
    jpeg_set_colorspace(&c, ycck ? JCS_YCCK : JCS_CMYK);
    jpeg_set_quality(&c, 95, TRUE);
    c.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(width) * 4);
    for (uint32_t x = 0; x < width; ++x) std::memcpy(&row[x * 4], cmyk, 4);
    while (c.next_scanline < c.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<uint8_t> out(mem, mem + memSize);
    free(mem);
    return out;
}

}  // namespace jpegtest
