// Fuzz target: the image input plug-in's picture calls on any bytes, from memory and from a
// file at an offset that the input's length picks, so the JPEG seeds serve as they are.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "components/jpeg/jpeg_convert.h"
#include "components/jpeg/plugin_core.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// What the caller receives: the info header and the bits. Large pictures are refused as
// LocalAlloc refuses them on a small machine, so the fuzzer does not wait for them.
class HeapDib : public spi::DibSplitter {
public:
    std::vector<uint8_t> info, bits;

private:
    uint8_t* Allocate(const uint8_t* infoHeader, uint64_t bitsSize) override {
        if (bitsSize > (16u << 20)) {
            outOfMemory_ = true;
            return nullptr;
        }
        info.assign(infoHeader, infoHeader + 40);
        bits.assign(static_cast<size_t>(bitsSize), 0);
        return bits.data();
    }
};

int32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24);
}

// One scratch file for the run, removed when the fuzzer exits.
const std::string& FilePath() {
    static const std::string path = [] {
        char name[] = "/tmp/picture_plugin_fuzz.XXXXXX";
        const int fd = mkstemp(name);
        Check(fd >= 0);
        close(fd);
        return std::string(name);
    }();
    static const bool removed = std::atexit([] { unlink(FilePath().c_str()); }) == 0;
    (void)removed;
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t offset = size * 7 % 301;
    const char* picture = reinterpret_cast<const char*>(data);
    const int64_t length = static_cast<int64_t>(size);
    {
        FILE* f = std::fopen(FilePath().c_str(), "wb");
        Check(f != nullptr);
        const std::vector<char> before(offset, '\xFF');  // looks like marker padding, is not the picture
        Check(std::fwrite(before.data(), 1, before.size(), f) == before.size());
        Check(std::fwrite(picture, 1, size, f) == size);
        Check(std::fclose(f) == 0);
    }

    // IsSupported is shown the first 2 KB of the file.
    std::vector<uint8_t> head(2048, 0);
    std::memcpy(head.data(), data, size < head.size() ? size : head.size());
    jpeg::HasJpegSignature(head.data(), 3);

    spi::PictureFacts fromMemory, fromFile;
    const int infoResult = spi::ReadPictureInfo(picture, length, spi::kInputMemory, fromMemory);
    Check(infoResult == spi::ReadPictureInfo(FilePath().c_str(), static_cast<int64_t>(offset), spi::kInputFile,
                                             fromFile));
    Check(fromMemory.width == fromFile.width && fromMemory.height == fromFile.height &&
          fromMemory.xDensity == fromFile.xDensity && fromMemory.yDensity == fromFile.yDensity);

    HeapDib memoryDib, fileDib;
    const int result = spi::DecodePicture(picture, length, spi::kInputMemory, memoryDib, nullptr, nullptr, 1);
    Check(result == spi::DecodePicture(FilePath().c_str(), static_cast<int64_t>(offset), spi::kInputFile, fileDib,
                                       nullptr, nullptr, 1));
    if (result != spi::kOk) return 0;
    Check(memoryDib.info == fileDib.info && memoryDib.bits == fileDib.bits);
    // The size GetPictureInfo reported is the bitmap's, 24 bits bottom-up, rows padded to 4 bytes.
    Check(infoResult == spi::kOk);
    const std::vector<uint8_t>& info = memoryDib.info;
    Check(Le32(info, 0) == 40 && Le32(info, 4) == static_cast<int32_t>(fromMemory.width) &&
          Le32(info, 8) == static_cast<int32_t>(fromMemory.height) && (info[14] | info[15] << 8) == 24);
    const uint64_t stride = (uint64_t{fromMemory.width} * 3 + 3) / 4 * 4;
    Check(memoryDib.bits.size() == stride * fromMemory.height);

    HeapDib preview;
    if (spi::DecodePicture(picture, length, spi::kInputMemory, preview, nullptr, nullptr, 4) == spi::kOk)
        Check(Le32(preview.info, 4) <= Le32(info, 4) && Le32(preview.info, 8) <= Le32(info, 8));
    return 0;
}
