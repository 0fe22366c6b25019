// probebox: the start-up desktop check seen from outside the main program.
//   probebox sync              the program's copy of the desktop's placement values is made
//                              equal to the desktop's (absent values absent), so no question comes
//   probebox show SECONDS [CAPTION]   waits for the program's message box; prints its text (Shift-JIS)
//   probebox answer yes|no|ok|cancel SECONDS [CAPTION]   waits for the box and answers it
//   probebox press ID SECONDS CAPTION   waits for a dialog and presses its button ID (a wizard's
//                              Next stays up: this does not wait for the dialog to go)
// CAPTION is the box's caption, "Movani32" unless given.
// Exit code 0 on success, 1 when no box came in time, 2 for bad arguments.
#include <windows.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include "framework/reg_key.h"
#include "settings/registry_paths.h"

namespace {

const char* const kNames[] = {"TileWallpaper", "WallpaperStyle", "WallpaperOriginX"};

int Sync() {
    fw::RegKey desk, copy;
    if (desk.Open(HKEY_CURRENT_USER, mov::kDesktopKey) != ERROR_SUCCESS) return 1;
    if (copy.Create(HKEY_CURRENT_USER, mov::kDesktopCopyKey) != ERROR_SUCCESS) return 1;
    for (const char* name : kNames) {
        std::string text;
        if (desk.QueryString(name, text) == ERROR_SUCCESS)
            copy.SetString(name, text);
        else
            copy.Delete(name);
    }
    return 0;
}

std::string gText;
BOOL CALLBACK LongestStatic(HWND w, LPARAM) {
    char cls[32] = {}, text[2048] = {};
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, text, sizeof text);
    if (_stricmp(cls, "Static") == 0 && std::strlen(text) > gText.size()) gText = text;
    return TRUE;
}

// The visible dialog-class window with the caption.
HWND WaitForBox(double seconds, const char* caption) {
    for (int i = 0; i < seconds * 10; ++i) {
        HWND w = FindWindowA("#32770", caption);
        if (w && IsWindowVisible(w)) return w;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "sync") == 0) return Sync();
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "show") == 0) {
        HWND box = WaitForBox(std::atof(argv[2]), argc == 4 ? argv[3] : "Movani32");
        if (!box) return 1;
        EnumChildWindows(box, LongestStatic, 0);
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), gText.data(), static_cast<DWORD>(gText.size()), &written, nullptr);
        return 0;
    }
    if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "answer") == 0) {
        int answer = !std::strcmp(argv[2], "yes") ? IDYES : !std::strcmp(argv[2], "no") ? IDNO
                   : !std::strcmp(argv[2], "ok") ? IDOK : !std::strcmp(argv[2], "cancel") ? IDCANCEL : 0;
        if (!answer) return 2;
        HWND box = WaitForBox(std::atof(argv[3]), argc == 5 ? argv[4] : "Movani32");
        if (!box) return 1;
        PostMessageA(box, WM_COMMAND, answer, 0);
        // Done when this box has gone (the next question may take its place).
        for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(100);
        return IsWindow(box) ? 1 : 0;
    }
    if (argc == 5 && std::strcmp(argv[1], "press") == 0) {
        HWND box = WaitForBox(std::atof(argv[3]), argv[4]);
        if (!box) return 1;
        PostMessageA(box, WM_COMMAND, std::atoi(argv[2]), 0);
        return 0;
    }
    return 2;
}
