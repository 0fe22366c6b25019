// movsend ID...: finds the top-level window of class "MovaniClass" and sends it each id as
// WM_COMMAND with SendMessageA. Exit code 0 when the window was found, 1 when not,
// 2 for a malformed id. With no ids it only tells whether the window is there. The word
// "close" instead of an id clicks the close box (WM_SYSCOMMAND SC_CLOSE); "tray:left",
// "tray:right" and "tray:middle" send the tray icon's callback for that button as the shell
// does; "ping" sends WM_NULL and ends with 3 when it is not answered within a second.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "ui/resource.h"

int main(int argc, char** argv) {
    HWND w = FindWindowA("MovaniClass", nullptr);
    if (!w) {
        std::fprintf(stderr, "movsend: no MovaniClass window\n");
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "close") == 0) {
            SendMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
            continue;
        }
        if (std::strcmp(argv[i], "ping") == 0) {
            DWORD_PTR r = 0;
            if (!SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &r)) return 3;
            continue;
        }
        if (std::strncmp(argv[i], "tray:", 5) == 0) {
            const char* b = argv[i] + 5;
            UINT event = !std::strcmp(b, "left") ? WM_LBUTTONDOWN : !std::strcmp(b, "right") ? WM_RBUTTONDOWN
                       : !std::strcmp(b, "middle") ? WM_MBUTTONDOWN : 0;
            HWND view = GetWindow(w, GW_CHILD);  // the icon's owner
            if (!event || !view) return 2;
            SendMessageA(view, WM_TRAY_NOTIFY, ID_TRAY_ICON, event);
            continue;
        }
        char* end = nullptr;
        long id = std::strtol(argv[i], &end, 10);
        if (!end || *end || id <= 0 || id > 0xFFFF) {
            std::fprintf(stderr, "movsend: bad id '%s'\n", argv[i]);
            return 2;
        }
        SendMessageA(w, WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    return 0;
}
