// sheetdrive STEP...: drives Movani32's property sheet from outside for the e2e tests. Steps
// run in order; the first that fails ends the program with exit code 3 (1: no sheet).
//   wait SECS        until the sheet (a dialog captioned "Movani32" with tabs) is there
//   gone SECS        until it is not
//   page N           shows page N and waits until it is the current page
//   set ID TEXT      WM_SETTEXT to control ID of the current page
//   click ID         BM_CLICK on control ID of the current page
//   ok|cancel|apply  presses the sheet's button (posted: a refusal box may follow)
//   enabled ID       prints 1 or 0; ID 12321 is the Apply button
//   checked ID       prints 1 or 0
//   text ID          prints the control's text
//   box SECS         waits for a message box owned by the sheet and prints its text
//   boxok            presses OK on that box and waits until it is gone
//   rect             prints the sheet's left top right bottom
//   viewstyle ID     prints the style (hex) of the main window's view child ID
// Texts are printed in the program's code page.
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kApplyId = 0x3021;

bool HasChildClass(HWND w, const char* cls) { return FindWindowExA(w, nullptr, cls, nullptr) != nullptr; }

struct Search {
    HWND found = nullptr;
    HWND owner = nullptr;  // null: the sheet; else a box owned by it
};

BOOL CALLBACK Visit(HWND w, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    char cls[32] = {}, text[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, text, sizeof text);
    if (std::strcmp(cls, "#32770") != 0 || std::strcmp(text, "Movani32") != 0 || !IsWindowVisible(w)) return TRUE;
    bool tabs = HasChildClass(w, "SysTabControl32");
    if (!s->owner && tabs) s->found = w;
    if (s->owner && !tabs && GetWindow(w, GW_OWNER) == s->owner) s->found = w;
    return s->found ? FALSE : TRUE;
}

HWND FindSheet() {
    Search s;
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND FindBox(HWND sheet) {
    Search s;
    s.owner = sheet;
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool WaitFor(double secs, bool (*cond)()) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < secs * 1000; Sleep(100))
        if (cond()) return true;
    return cond();
}

// Across processes Wine hands text over intact only in its wide form.
std::string TextOf(HWND w) {
    wchar_t wide[1024] = {};
    char text[2048] = {};
    SendMessageW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

HWND Control(HWND sheet, int id) {
    if (id == kApplyId || id == IDOK || id == IDCANCEL) return GetDlgItem(sheet, id);
    HWND page = CurrentPage(sheet);
    return page ? GetDlgItem(page, id) : nullptr;
}

int Fail(const char* step, const char* why) {
    std::fprintf(stderr, "sheetdrive: %s: %s\n", step, why);
    return 3;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string step = argv[i];
        auto arg = [&](const char* what) -> const char* {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "sheetdrive: %s needs %s\n", step.c_str(), what);
                std::exit(2);
            }
            return argv[++i];
        };
        if (step == "wait") {
            if (!WaitFor(std::atof(arg("seconds")), [] { return FindSheet() != nullptr; })) return 1;
            continue;
        }
        if (step == "gone") {
            if (!WaitFor(std::atof(arg("seconds")), [] { return FindSheet() == nullptr; }))
                return Fail("gone", "the sheet is still open");
            continue;
        }
        if (step == "viewstyle") {
            HWND frame = FindWindowA("MovaniClass", nullptr);
            HWND ctl = frame ? GetDlgItem(GetDlgItem(frame, 59648), std::atoi(arg("id"))) : nullptr;
            if (!ctl) return Fail("viewstyle", "no such control");
            std::printf("%08lX\n", static_cast<unsigned long>(GetWindowLongA(ctl, GWL_STYLE)));
            continue;
        }
        HWND sheet = FindSheet();
        if (!sheet) return Fail(step.c_str(), "no sheet"), 1;
        if (step == "page") {
            int n = std::atoi(arg("index"));
            PostMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(n), 0);
            bool there = false;
            for (int t = 0; t < 100 && !there; ++t, Sleep(100))
                there = SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(CurrentPage(sheet)), 0) == n;
            if (!there) return Fail("page", "the page did not become current");
        } else if (step == "set") {
            int id = std::atoi(arg("id"));
            const char* text = arg("text");
            HWND ctl = Control(sheet, id);
            if (!ctl) return Fail("set", "no such control");
            SendMessageA(ctl, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        } else if (step == "click") {
            HWND ctl = Control(sheet, std::atoi(arg("id")));
            if (!ctl) return Fail("click", "no such control");
            SendMessageA(ctl, BM_CLICK, 0, 0);
        } else if (step == "ok" || step == "cancel" || step == "apply") {
            int id = step == "ok" ? IDOK : step == "cancel" ? IDCANCEL : kApplyId;
            PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(sheet, id)));
        } else if (step == "enabled" || step == "checked" || step == "text") {
            HWND ctl = Control(sheet, std::atoi(arg("id")));
            if (!ctl) return Fail(step.c_str(), "no such control");
            if (step == "enabled")
                std::printf("%d\n", IsWindowEnabled(ctl) ? 1 : 0);
            else if (step == "checked")
                std::printf("%d\n", SendMessageA(ctl, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
            else
                std::printf("%s\n", TextOf(ctl).c_str());
        } else if (step == "box") {
            double secs = std::atof(arg("seconds"));
            HWND box = nullptr;
            for (DWORD start = GetTickCount(); !box && GetTickCount() - start < secs * 1000; Sleep(100))
                box = FindBox(sheet);
            if (!box) return Fail("box", "no message box");
            // The text is the static that is no icon.
            for (HWND c = FindWindowExA(box, nullptr, "Static", nullptr); c;
                 c = FindWindowExA(box, c, "Static", nullptr)) {
                if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
                std::string t = TextOf(c);
                if (!t.empty()) std::printf("%s\n", t.c_str());
            }
        } else if (step == "boxok") {
            HWND box = FindBox(sheet);
            if (!box) return Fail("boxok", "no message box");
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            for (int t = 0; t < 100 && IsWindow(box); ++t) Sleep(100);
            if (IsWindow(box)) return Fail("boxok", "the box stayed");
        } else if (step == "rect") {
            RECT r{};
            GetWindowRect(sheet, &r);
            std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        } else {
            std::fprintf(stderr, "sheetdrive: unknown step '%s'\n", step.c_str());
            return 2;
        }
        std::fflush(stdout);
    }
    return 0;
}
