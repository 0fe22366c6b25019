// The plug-in's work on the picture's bytes.
#include "components/jpeg/plugin_core.h"
#include <cstring>
#include "components/jpeg/file_system.h"
#include "image/bmp.h"

namespace spi {
namespace {

int ResultOf(jpeg::ConvertStatus status, bool outOfMemory) {
    switch (status) {
    case jpeg::ConvertStatus::kOk: return kOk;
    case jpeg::ConvertStatus::kCancelled: return kCancelled;
    case jpeg::ConvertStatus::kNotJpeg: return kUnknownFormat;
    case jpeg::ConvertStatus::kBadJpeg: return kCorrupt;
    case jpeg::ConvertStatus::kTooLarge:
    case jpeg::ConvertStatus::kNoMemory: return kNoMemory;
    case jpeg::ConvertStatus::kWriteFailed: return outOfMemory ? kNoMemory : kMemoryError;
    }
    return kInternalError;
}

}  // namespace

int OpenInput(const char* buf, int64_t len, unsigned flag, std::unique_ptr<jpeg::ByteReader>& reader) {
    switch (flag & kInputMask) {
    case kInputFile:
        if (!buf || len < 0) return kReadError;
        reader = jpeg::OpenReadAt(buf, static_cast<uint64_t>(len));
        return reader ? kOk : kReadError;
    case kInputMemory:
        if (!buf || len < 0) return kMemoryError;
        reader.reset(new jpeg::MemoryReader(buf, static_cast<size_t>(len)));
        return kOk;
    default:
        return kNotImplemented;
    }
}

int ReadPictureInfo(const char* buf, int64_t len, unsigned flag, PictureFacts& facts) {
    std::unique_ptr<jpeg::ByteReader> in;
    const int opened = OpenInput(buf, len, flag, in);
    if (opened != kOk) return opened;
    jpeg::JpegHeader header;
    const int result = ResultOf(jpeg::ReadJpegHeader(*in, &header), false);
    if (result != kOk) return result;
    facts.width = header.width;
    facts.height = header.height;
    facts.xDensity = header.xDensity;
    facts.yDensity = header.yDensity;
    facts.colorDepth = 24;
    return kOk;
}

bool DibSplitter::WriteAt(uint64_t offset, const void* data, size_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    if (!bits_) {
        if (offset != 0 || size != mov::kBmpHeadersSize) return false;
        const uint32_t fileSize = p[2] | p[3] << 8 | p[4] << 16 | uint32_t(p[5]) << 24;
        if (fileSize < mov::kBmpHeadersSize) return false;
        bitsSize_ = fileSize - mov::kBmpHeadersSize;
        bits_ = Allocate(p + 14, bitsSize_);
        return bits_ != nullptr;
    }
    if (offset < mov::kBmpHeadersSize) return false;
    const uint64_t at = offset - mov::kBmpHeadersSize;
    if (at > bitsSize_ || size > bitsSize_ - at) return false;
    std::memcpy(bits_ + at, p, size);
    return true;
}

int DecodePicture(const char* buf, int64_t len, unsigned flag, DibSplitter& sink, jpeg::ProgressFn progress,
                  void* progressContext, int scale) {
    std::unique_ptr<jpeg::ByteReader> in;
    const int opened = OpenInput(buf, len, flag, in);
    if (opened != kOk) return opened;
    jpeg::ConvertOptions options;
    options.scaleDenom = scale;
    options.progress = progress;
    options.progressContext = progressContext;
    return ResultOf(jpeg::ConvertJpegToBmp(*in, sink, options), sink.outOfMemory());
}

}  // namespace spi
