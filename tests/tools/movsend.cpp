// movsend ID...: finds the top-level window of class "MovaniClass" and sends it each id as
// WM_COMMAND with SendMessageA. Exit code 0 when the window was found, 1 when not,
// 2 for a malformed id. With no ids it only tells whether the window is there. The word
// "close" instead of an id clicks the close box (WM_SYSCOMMAND SC_CLOSE); "tray:left",
// "tray:right" and "tray:middle" send the tray icon's callback for that button as the shell
// does; "ping" sends WM_NULL and ends with 3 when it is not answered within a second.
// A box of the program left up unanswered while an id is handled ends it with 4, printing
// the box's caption and text, so the test fails there instead of at ctest's time-out.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "tests/tools/unanswered_box.h"
#include "ui/resource.h"

namespace {

const char* gSending = "";

void StopOnUnansweredBox(const boxwatch::Box& box) {
    std::fprintf(stderr, "movsend: %s left a message box unanswered for %lu s: caption \"%s\", text \"%s\"\n",
                 gSending, static_cast<unsigned long>(boxwatch::kUnansweredMs / 1000),
                 boxwatch::Utf8(box.caption).c_str(), boxwatch::Utf8(box.text).c_str());
    std::fflush(stderr);
    ExitProcess(4);
}

}  // namespace

int main(int argc, char** argv) {
    HWND w = FindWindowA("MovaniClass", nullptr);
    if (!w) {
        std::fprintf(stderr, "movsend: no MovaniClass window\n");
        return 1;
    }
    static boxwatch::Watch watch;
    GetWindowThreadProcessId(w, &watch.pid);
    watch.onStuck = StopOnUnansweredBox;
    if (argc > 1) boxwatch::StartWatch(watch);
    struct StopAtEnd {
        ~StopAtEnd() { boxwatch::StopWatch(watch); }
    } stopAtEnd;
    for (int i = 1; i < argc; ++i) {
        gSending = argv[i];
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
