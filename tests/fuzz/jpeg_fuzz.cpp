// Fuzz target: any bytes through the JPEG converter (and the EXIF, frame-size and command-line parsers).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "components/jpeg/command_line.h"
#include "image/exif_orientation.h"
#include "image/jpeg_frame.h"
#include "components/jpeg/jpeg_convert.h"
#include "image/bmp.h"

namespace {

// Checks what the converter promises about its output: the header first, then every
// pixel byte of the declared file exactly once, nothing outside it.
class CheckedSink : public mov::ByteSink {
public:
    bool WriteAt(uint64_t offset, const void* data, size_t size) override {
        const uint8_t* p = static_cast<const uint8_t*>(data);
        if (fileSize_ == 0) {
            if (offset != 0 || size != mov::kBmpHeadersSize || p[0] != 'B' || p[1] != 'M') std::abort();
            fileSize_ = p[2] | p[3] << 8 | p[4] << 16 | uint64_t(p[5]) << 24;
        } else if (offset < mov::kBmpHeadersSize || offset + size > fileSize_) {
            std::abort();
        }
        written_ += size;
        return true;
    }
    uint64_t fileSize_ = 0;
    uint64_t written_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    jpeg::MemoryReader reader(data, size);
    CheckedSink sink;
    jpeg::ConvertOptions options;
    options.maxFileSize = 4u << 20;  // big pictures only cost time here
    if (jpeg::ConvertJpegToBmp(reader, sink, options) == jpeg::ConvertStatus::kOk && sink.written_ != sink.fileSize_)
        std::abort();
    mov::ExifOrientation(data, size);
    mov::ReadJpegFrame(data, size);
    std::string line(reinterpret_cast<const char*>(data), size);
    std::string a, b;
    jpeg::ParseConverterCommandLine(line.c_str(), a, b);
    return 0;
}
