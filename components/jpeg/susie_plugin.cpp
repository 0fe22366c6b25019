// IFJPEG.SPI: JPEG pictures for programs that take image input plug-ins. The converter of
// jpegfilt.dll decodes them (turned upright by their EXIF tag); its bitmap file is split into
// the BITMAPINFO and the bits that the convention hands out in local memory handles.
#include <windows.h>

#include <cstring>
#include <memory>
#include <new>

#include "components/jpeg/jpeg_convert.h"
#include "components/jpeg/susie_plugin.h"
#include "components/jpeg/win_file_system.h"
#include "image/bmp.h"

namespace {

// GetPluginInfo's texts: API version, name, then pairs of file pattern and type name.
const char* const kPluginInfo[] = {
    "00IN",
    "IFJPEG.SPI " MOV_VERSION " JPEG (libjpeg-turbo) for Movani32",
    "*.jpg;*.jpeg;*.jpe;*.jfif",
    "JPEG",
};
constexpr int kPreviewScale = 4;  // previews are decoded at a quarter of the size

// The bitmap file as the convention wants it: the file header dropped, the BITMAPINFO in one
// movable local block and the bits in another. The headers arrive first, in one piece, and
// give the size of the bits.
class LocalDibSink : public mov::ByteSink {
public:
    LocalDibSink() = default;
    LocalDibSink(const LocalDibSink&) = delete;
    LocalDibSink& operator=(const LocalDibSink&) = delete;
    ~LocalDibSink() override {
        if (bitsPtr_) LocalUnlock(bits_);
        if (info_) LocalFree(info_);
        if (bits_) LocalFree(bits_);
    }

    bool WriteAt(uint64_t offset, const void* data, size_t size) override {
        const auto* p = static_cast<const uint8_t*>(data);
        if (!bitsPtr_) return offset == 0 && size == mov::kBmpHeadersSize && Allocate(p);
        if (offset < mov::kBmpHeadersSize) return false;
        const uint64_t at = offset - mov::kBmpHeadersSize;
        if (at > bitsSize_ || size > bitsSize_ - at) return false;
        std::memcpy(bitsPtr_ + at, p, size);
        return true;
    }

    // Hands both blocks, unlocked, to the caller.
    void Release(HLOCAL* info, HLOCAL* bits) {
        LocalUnlock(bits_);
        bitsPtr_ = nullptr;
        *info = info_;
        *bits = bits_;
        info_ = bits_ = nullptr;
    }
    bool outOfMemory() const { return outOfMemory_; }

private:
    bool Allocate(const uint8_t* headers) {
        const uint32_t fileSize = headers[2] | headers[3] << 8 | headers[4] << 16 | uint32_t(headers[5]) << 24;
        if (fileSize < mov::kBmpHeadersSize) return false;
        bitsSize_ = fileSize - mov::kBmpHeadersSize;
        // A whole BITMAPINFO, so callers that copy one never read past the block.
        info_ = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(BITMAPINFO));
        bits_ = LocalAlloc(LMEM_MOVEABLE, bitsSize_);
        if (!info_ || !bits_) {
            outOfMemory_ = true;
            return false;
        }
        void* infoPtr = LocalLock(info_);
        bitsPtr_ = static_cast<uint8_t*>(LocalLock(bits_));
        if (infoPtr) {
            std::memcpy(infoPtr, headers + 14, sizeof(BITMAPINFOHEADER));
            LocalUnlock(info_);
        }
        return infoPtr && bitsPtr_;
    }

    HLOCAL info_ = nullptr;
    HLOCAL bits_ = nullptr;
    uint8_t* bitsPtr_ = nullptr;  // bits_ stays locked while it is written
    uint64_t bitsSize_ = 0;
    bool outOfMemory_ = false;
};

// The picture's bytes: a file from an offset on, or the caller's memory.
int OpenInput(LPCSTR buf, LONG_PTR len, unsigned flag, std::unique_ptr<jpeg::ByteReader>& reader) {
    switch (flag & spi::kInputMask) {
    case spi::kInputFile: {
        if (!buf || len < 0) return spi::kReadError;
        HANDLE h = CreateFileA(buf, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                               nullptr);
        if (h == INVALID_HANDLE_VALUE) return spi::kReadError;
        reader = jpeg::ReaderOnHandle(h);
        const uint64_t offset = static_cast<uint64_t>(len);
        LONG high = static_cast<LONG>(offset >> 32);
        DWORD low = SetFilePointer(h, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
        if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return spi::kReadError;
        return spi::kOk;
    }
    case spi::kInputMemory:
        if (!buf || len < 0) return spi::kMemoryError;
        reader.reset(new jpeg::MemoryReader(buf, static_cast<size_t>(len)));
        return spi::kOk;
    default:
        return spi::kNotImplemented;
    }
}

int ResultOf(jpeg::ConvertStatus status, bool outOfMemory) {
    switch (status) {
    case jpeg::ConvertStatus::kOk: return spi::kOk;
    case jpeg::ConvertStatus::kCancelled: return spi::kCancelled;
    case jpeg::ConvertStatus::kNotJpeg: return spi::kUnknownFormat;
    case jpeg::ConvertStatus::kBadJpeg: return spi::kCorrupt;
    case jpeg::ConvertStatus::kTooLarge:
    case jpeg::ConvertStatus::kNoMemory: return spi::kNoMemory;
    case jpeg::ConvertStatus::kWriteFailed: return outOfMemory ? spi::kNoMemory : spi::kMemoryError;
    }
    return spi::kInternalError;
}

struct Progress {
    spi::ProgressCallback callback;
    LONG_PTR data;
};

bool AskCaller(void* context, uint32_t done, uint32_t total) {
    const auto* p = static_cast<const Progress*>(context);
    return p->callback(static_cast<int>(done), static_cast<int>(total), p->data) == 0;
}

int Decode(LPCSTR buf, LONG_PTR len, unsigned flag, HLOCAL* info, HLOCAL* bits, spi::ProgressCallback callback,
           LONG_PTR data, int scale) {
    if (!info || !bits) return spi::kMemoryError;
    std::unique_ptr<jpeg::ByteReader> in;
    const int opened = OpenInput(buf, len, flag, in);
    if (opened != spi::kOk) return opened;
    Progress progress{callback, data};
    jpeg::ConvertOptions options;
    options.scaleDenom = scale;
    if (callback) {
        options.progress = AskCaller;
        options.progressContext = &progress;
    }
    LocalDibSink sink;
    const int result = ResultOf(jpeg::ConvertJpegToBmp(*in, sink, options), sink.outOfMemory());
    if (result == spi::kOk) sink.Release(info, bits);
    return result;
}

// Nothing may unwind into the caller.
template <class Fn>
int Guarded(Fn fn) {
    try {
        return fn();
    } catch (const std::bad_alloc&) {
        return spi::kNoMemory;
    } catch (...) {
        return spi::kInternalError;
    }
}

}  // namespace

extern "C" {

// Copies info text `infoNo` into buf (cut to fit, always terminated); returns the characters
// written, 0 for a number without text.
int WINAPI GetPluginInfo(int infoNo, LPSTR buf, int bufLen) {
    const int count = static_cast<int>(sizeof kPluginInfo / sizeof kPluginInfo[0]);
    if (infoNo < 0 || infoNo >= count || !buf || bufLen <= 0) return 0;
    const char* text = kPluginInfo[infoNo];
    int n = static_cast<int>(std::strlen(text));
    if (n > bufLen - 1) n = bufLen - 1;
    std::memcpy(buf, text, static_cast<size_t>(n));
    buf[n] = '\0';
    return n;
}

// Non-zero for a JPEG. The name is not looked at; `handleOrHead` is an open file handle (its
// file pointer is left where it was) or the file's first bytes.
int WINAPI IsSupported(LPCSTR, ULONG_PTR handleOrHead) {
    uint8_t head[3] = {};
    if ((handleOrHead & ~ULONG_PTR{0xFFFF}) == 0) {
        HANDLE h = reinterpret_cast<HANDLE>(handleOrHead);
        const DWORD start = SetFilePointer(h, 0, nullptr, FILE_CURRENT);
        DWORD got = 0;
        if (!ReadFile(h, head, sizeof head, &got, nullptr)) got = 0;
        if (start != INVALID_SET_FILE_POINTER) SetFilePointer(h, static_cast<LONG>(start), nullptr, FILE_BEGIN);
        return jpeg::HasJpegSignature(head, got) ? 1 : 0;
    }
    return jpeg::HasJpegSignature(reinterpret_cast<const uint8_t*>(handleOrHead), sizeof head) ? 1 : 0;
}

int WINAPI GetPictureInfo(LPCSTR buf, LONG_PTR len, unsigned flag, spi::PictureInfo* info) {
    return Guarded([&] {
        if (!info) return static_cast<int>(spi::kMemoryError);
        std::unique_ptr<jpeg::ByteReader> in;
        const int opened = OpenInput(buf, len, flag, in);
        if (opened != spi::kOk) return opened;
        jpeg::JpegHeader header;
        const int result = ResultOf(jpeg::ReadJpegHeader(*in, &header), false);
        if (result != spi::kOk) return result;
        info->left = 0;
        info->top = 0;
        info->width = static_cast<long>(header.width);
        info->height = static_cast<long>(header.height);
        info->xDensity = header.xDensity;
        info->yDensity = header.yDensity;
        info->colorDepth = 24;
        info->hInfo = nullptr;
        return static_cast<int>(spi::kOk);
    });
}

int WINAPI GetPicture(LPCSTR buf, LONG_PTR len, unsigned flag, HLOCAL* info, HLOCAL* bits,
                      spi::ProgressCallback progress, LONG_PTR data) {
    return Guarded([&] { return Decode(buf, len, flag, info, bits, progress, data, 1); });
}

int WINAPI GetPreview(LPCSTR buf, LONG_PTR len, unsigned flag, HLOCAL* info, HLOCAL* bits,
                      spi::ProgressCallback progress, LONG_PTR data) {
    return Guarded([&] { return Decode(buf, len, flag, info, bits, progress, data, kPreviewScale); });
}

}  // extern "C"
