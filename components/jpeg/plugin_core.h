// The portable work of the image input plug-in (IFJPEG.SPI): where a picture's bytes come
// from, what its headers say, and the bitmap split into the info header and the bits. The
// plug-in's exports wrap these with the local memory blocks and structures of Windows.
#pragma once
#include <cstdint>
#include <memory>
#include "components/jpeg/byte_stream.h"
#include "components/jpeg/jpeg_convert.h"

namespace spi {

enum Result {
    kNotImplemented = -1,
    kOk = 0,
    kCancelled = 1,      // the progress callback returned non-zero
    kUnknownFormat = 2,
    kCorrupt = 3,
    kNoMemory = 4,
    kMemoryError = 5,
    kReadError = 6,
    kInternalError = 8,
};

// The low three bits of `flag` say where the picture comes from.
constexpr unsigned kInputMask = 7;
constexpr unsigned kInputFile = 0;    // buf: the file's name, len: where the picture starts in it
constexpr unsigned kInputMemory = 1;  // buf: the picture's bytes, len: how many

// A reader on the picture's bytes, or the result that refuses the input.
int OpenInput(const char* buf, int64_t len, unsigned flag, std::unique_ptr<jpeg::ByteReader>& reader);

// GetPictureInfo's facts: the size of the bitmap GetPicture makes, and the JFIF densities.
struct PictureFacts {
    uint32_t width = 0;
    uint32_t height = 0;
    uint16_t xDensity = 0;
    uint16_t yDensity = 0;
    short colorDepth = 24;
};
int ReadPictureInfo(const char* buf, int64_t len, unsigned flag, PictureFacts& facts);

// The bitmap file as the convention hands it out: the file header dropped, the 40-byte info
// header and the bits each in a block of their own. The headers arrive first, in one piece,
// and give the size of the bits.
class DibSplitter : public mov::ByteSink {
public:
    bool WriteAt(uint64_t offset, const void* data, size_t size) override;
    bool outOfMemory() const { return outOfMemory_; }

protected:
    // Keeps the info header and gives `bitsSize` bytes for the bits; null when there is no
    // memory for either.
    virtual uint8_t* Allocate(const uint8_t* infoHeader, uint64_t bitsSize) = 0;
    uint8_t* bits_ = nullptr;  // from Allocate
    uint64_t bitsSize_ = 0;
    bool outOfMemory_ = false;
};

// GetPicture (scale 1) and GetPreview: the picture decoded into `sink`. `progress` may be null.
int DecodePicture(const char* buf, int64_t len, unsigned flag, DibSplitter& sink, jpeg::ProgressFn progress,
                  void* progressContext, int scale);

}  // namespace spi
