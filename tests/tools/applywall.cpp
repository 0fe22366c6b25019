// applywall [options] PATH centre|tile | applywall [--busy-desktop] remove: runs the program's
// own image preparation and desktop writer on PATH, or removes the wallpaper. Options:
//   --temp DIR   work folder (default %TEMP%); the work bitmap is DIR\applywall.BMP
//   --jpeg       PATH is a JPEG picture: convert it first as the change cycle does, only as far
//                as the screen needs (jpegfilt.dll, else stdout note)
//   --os N       OsKind (default 3; 1 takes the Jpeg2bmp.exe route)
//   --adjust N   Adjust 0..4; 3 and 4 work on a copy of PATH as the work bitmap
//   --busy-desktop  the desktop cannot paint until the removal is done (deskhold.dll): what
//                a loaded machine does to it now and then, here every time
// Exit code 0, 2 for wrong arguments, 3 when the desktop cannot be held.
#include <windows.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include "engine/desktop_writer.h"
#include "engine/image_prep.h"
#include "engine/work_files.h"
#include "settings/settings_codes.h"

namespace {

using HoldFn = bool (*)(bool);

// deskhold.dll's HoldDesktopPaint, from beside this program.
HoldFn DesktopHold() {
    HMODULE m = LoadLibraryA("deskhold.dll");
    return m ? reinterpret_cast<HoldFn>(reinterpret_cast<void*>(GetProcAddress(m, "HoldDesktopPaint"))) : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    mov::SettingsRecord s;
    mov::FitOverride fit;
    s.OsKind = mov::kOs2000;
    s.ActiveDeskTopMode = mov::kDesktopStandard;
    s.UserName = "applywall";
    char tmp[MAX_PATH] = {};
    GetEnvironmentVariableA("TEMP", tmp, sizeof tmp);
    s.TempFolder = tmp;
    mov::DesktopWriter writer(s, fit);
    if (argc == 2 && std::strcmp(argv[1], "remove") == 0) {
        writer.RemoveWallpaper();
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--busy-desktop") == 0 && std::strcmp(argv[2], "remove") == 0) {
        HoldFn hold = DesktopHold();
        if (!hold || !hold(true)) return 3;
        writer.RemoveWallpaper();
        hold(false);
        return 0;
    }
    bool jpeg = false;
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
        std::string opt = argv[i];
        if (opt == "--jpeg") {
            jpeg = true;
        } else if (i + 1 < argc && opt == "--temp") {
            s.TempFolder = argv[++i];
        } else if (i + 1 < argc && opt == "--os") {
            s.OsKind = std::atoi(argv[++i]);
        } else if (i + 1 < argc && opt == "--adjust") {
            s.Adjust = std::atoi(argv[++i]);
        } else {
            return 2;
        }
    }
    if (argc - i != 2) return 2;
    std::string picture = argv[i];
    s.TileWallPaper = std::strcmp(argv[i + 1], "tile") == 0 ? 1 : 0;
    std::string desktop = picture;
    mov::ConvertedJpeg made;
    if (jpeg)
        mov::ConvertJpeg(s, picture, desktop, &made);
    else if (s.Adjust >= 3)
        CopyFileA(picture.c_str(), (desktop = mov::WorkBitmapPath(s)).c_str(), FALSE);
    writer.ApplyWallpaper(desktop, picture, false, made.screenSized ? made.own : mov::PictureSize{});
    writer.CompleteChange(true);
    return 0;
}
