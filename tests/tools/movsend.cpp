// movsend ID...: finds the top-level window of class "MovaniClass" and sends it each id as
// WM_COMMAND with SendMessageA. Exit code 0 when the window was found, 1 when not,
// 2 for a malformed id. With no ids it only tells whether the window is there. The word
// "close" instead of an id clicks the close box (WM_SYSCOMMAND SC_CLOSE).
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
