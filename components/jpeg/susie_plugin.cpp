// IFJPEG.SPI: JPEG pictures for programs that take image input plug-ins. The converter of
// jpegfilt.dll decodes them (turned upright by their EXIF tag); plugin_core splits its bitmap
// file into the BITMAPINFO and the bits that the convention hands out in local memory handles.
#include <windows.h>

#include <cstring>
#include <new>

#include "components/jpeg/jpeg_convert.h"
#include "components/jpeg/susie_plugin.h"

namespace {

// GetPluginInfo's texts: API version, name, then pairs of file pattern and type name.
const char* const kPluginInfo[] = {
    "00IN",
    "IFJPEG.SPI " MOV_VERSION " JPEG (libjpeg-turbo) for Movani32",
    "*.jpg;*.jpeg;*.jpe;*.jfif",
    "JPEG",
};
constexpr int kPreviewScale = 4;  // previews are decoded at a quarter of the size

// The bits in one movable local block and the info header in another, a whole BITMAPINFO so
// callers that copy one never read past the block.
class LocalDibSink : public spi::DibSplitter {
public:
    LocalDibSink() = default;
    LocalDibSink(const LocalDibSink&) = delete;
    LocalDibSink& operator=(const LocalDibSink&) = delete;
    ~LocalDibSink() override {
        if (bits_) LocalUnlock(bitsBlock_);
        if (info_) LocalFree(info_);
        if (bitsBlock_) LocalFree(bitsBlock_);
    }

    // Hands both blocks, unlocked, to the caller.
    void Release(HLOCAL* info, HLOCAL* bits) {
        LocalUnlock(bitsBlock_);
        bits_ = nullptr;
        *info = info_;
        *bits = bitsBlock_;
        info_ = bitsBlock_ = nullptr;
    }

private:
    uint8_t* Allocate(const uint8_t* infoHeader, uint64_t bitsSize) override {
        info_ = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(BITMAPINFO));
        bitsBlock_ = LocalAlloc(LMEM_MOVEABLE, static_cast<SIZE_T>(bitsSize));
        if (!info_ || !bitsBlock_) {
            outOfMemory_ = true;
            return nullptr;
        }
        void* infoPtr = LocalLock(info_);
        if (!infoPtr) return nullptr;
        std::memcpy(infoPtr, infoHeader, sizeof(BITMAPINFOHEADER));
        LocalUnlock(info_);
        return static_cast<uint8_t*>(LocalLock(bitsBlock_));  // stays locked while it is written
    }

    HLOCAL info_ = nullptr;
    HLOCAL bitsBlock_ = nullptr;
};

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
    Progress progress{callback, data};
    LocalDibSink sink;
    const int result = spi::DecodePicture(buf, len, flag, sink, callback ? AskCaller : nullptr, &progress, scale);
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
        spi::PictureFacts facts;
        const int result = spi::ReadPictureInfo(buf, len, flag, facts);
        if (result != spi::kOk) return result;
        info->left = 0;
        info->top = 0;
        info->width = static_cast<long>(facts.width);
        info->height = static_cast<long>(facts.height);
        info->xDensity = facts.xDensity;
        info->yDensity = facts.yDensity;
        info->colorDepth = facts.colorDepth;
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
