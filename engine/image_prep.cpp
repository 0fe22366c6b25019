// JPEG conversion through the outside reader, and the smart-fit library call.
#include "engine/image_prep.h"
#include <windows.h>
#include <cstdio>
#include "engine/screen_cut.h"
#include "engine/work_files.h"
#include "framework/handle.h"
#include "image/jpeg_frame.h"
#include "settings/busy_handshake.h"
#include "settings/settings_codes.h"

namespace mov {
namespace {

using JpegToBmpFn = int(__cdecl*)(const char*, const char*);
using JpegToBmpRegionFn = int(__cdecl*)(const char*, const char*, int, int, int, int, int);
// Enough for the markers before the frame header of any camera file (EXIF with its
// thumbnail, colour profiles).
constexpr DWORD kHeaderBytes = 256 * 1024;
// Both smart fits are given three arguments; _Quillet simply does not read the third.
using QuilletFn = int(__cdecl*)(const char*, const char*, int);

// Paths that would not fit the callee's buffers are not handed over at all: a cut path
// would name another file.
bool Fits(const std::string& path, size_t buffer) { return path.size() < buffer; }

template <class Fn>
Fn Export(const fw::Module& lib, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(lib.get(), name)));
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

PictureSize JpegSizeOf(const std::string& path) {
    PictureSize size;
    fw::Handle f(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return size;
    std::string head(kHeaderBytes, '\0');
    DWORD got = 0;
    if (!ReadFile(f.get(), &head[0], kHeaderBytes, &got, nullptr)) return size;
    const JpegFrame frame = ReadJpegFrame(reinterpret_cast<const uint8_t*>(head.data()), got);
    if (!frame.known) return size;
    size.known = true;
    size.width = static_cast<int32_t>(frame.width);
    size.height = static_cast<int32_t>(frame.height);
    return size;
}

// What the screen needs of the picture, by the placement its own size gets.
ScreenCut CutFor(const SettingsRecord& s, const PictureSize& own) {
    int32_t w = 0, h = 0;
    if (!own.known || !ScreenSize(&w, &h)) return {};
    return PlanScreenCut(DecidePlacement(s, own, false, 0, false), own, w, h);
}

}  // namespace

bool ScreenSize(int32_t* width, int32_t* height) {
    RECT r{};
    if (!GetWindowRect(GetDesktopWindow(), &r)) return false;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return true;
}

int ConvertJpeg(const SettingsRecord& s, const std::string& source, std::string& bitmap, ConvertedJpeg* made) {
    bitmap = WorkBitmapPath(s);
    SetFileAttributesA(bitmap.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (made) *made = {};
    if (s.OsKind == kOs9x || s.SusiePlugIn == 1) {
        std::string cmd = "Jpeg2bmp.exe \"" + source + "\" \"" + bitmap + "\"";
        RunOutsideProgram(cmd, s.ReadTimeOut);
        return 1;
    }
    ScreenCut cut;
    if (made) {
        made->own = JpegSizeOf(source);
        cut = CutFor(s, made->own);
    }
    bool called = false;
    if (Fits(source, 256) && Fits(bitmap, 256)) {
        if (fw::Module lib{LoadLibraryExA("jpegfilt.dll", nullptr, 0)}) {
            // Another maker's library may have only JpegToBmp: it converts the whole picture.
            auto region = cut.whole ? nullptr : Export<JpegToBmpRegionFn>(lib, "JpegToBmpRegion");
            if (region) {
                // A picture it cannot read leaves no screen-sized bitmap to place by its own size.
                made->screenSized =
                    region(source.c_str(), bitmap.c_str(), cut.left, cut.top, cut.width, cut.height, cut.scaleDenom) == 1;
                called = true;
            } else if (auto fn = Export<JpegToBmpFn>(lib, "JpegToBmp")) {
                fn(source.c_str(), bitmap.c_str());
                called = true;
            }
        }
    }
    if (!called) {
        std::fputs("message via alternative method\n", stdout);
        std::fflush(stdout);
    }
    return 1;
}

int SmartFit(const SettingsRecord& s, int adjust, int position) {
    const std::string work = WorkBitmapPath(s);
    const std::string out = SmartFitOutputPath(s);
    int result = 0;
    // A leftover output of an earlier run must not pass for this picture's fit.
    SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(out.c_str());
    if (Fits(work, 260) && Fits(out, 260)) {
        if (fw::Module lib{LoadLibraryExA("QuilletDll.dll", nullptr, 0)}) {
            const char* name = adjust == kAdjustSmart2 ? "_Quillet2" : "_Quillet";
            if (auto fn = Export<QuilletFn>(lib, name)) fn(work.c_str(), out.c_str(), position);
            result = 1;
        }
    }
    SetFileAttributesA(work.c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (s.OsKind == kOs9x) {
        // Delete-then-move only when there is something to move, so a failed fit keeps
        // the unfitted picture instead of leaving no bitmap at all.
        if (Exists(out)) {
            DeleteFileA(work.c_str());
            MoveFileA(out.c_str(), work.c_str());
        }
    } else {
        MoveFileExA(out.c_str(), work.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    return result;
}

}  // namespace mov
