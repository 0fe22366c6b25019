// Helpers shared by the Wine tests.
#include "test_support.h"
#include <cstdio>
#include <cstring>
#include "framework/handle.h"
#include "framework/reg_key.h"
#include "image/bmp.h"
#include "settings/busy_flag.h"
#include "tests/tools/unanswered_box.h"
#include <gtest/gtest.h>

namespace testsupport {
namespace {

// A test that opened a box nobody answers ends here, saying what the box showed, instead of
// hanging until ctest gives up on the whole executable.
void StopOnUnansweredBox(const boxwatch::Box& box) {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::fprintf(stderr, "\nFAILED: %s.%s left a message box unanswered for %lu s: caption \"%s\", text \"%s\"\n",
                 test ? test->test_suite_name() : "?", test ? test->name() : "?",
                 static_cast<unsigned long>(boxwatch::kUnansweredMs / 1000), boxwatch::Utf8(box.caption).c_str(),
                 boxwatch::Utf8(box.text).c_str());
    std::fflush(stdout);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
}

// Every Wine test program links this file: the watch runs from start to end.
struct BoxWatchStart {
    boxwatch::Watch watch;
    BoxWatchStart() {
        // Unbuffered, so a test killed by ctest's timeout still shows how far it got.
        std::setvbuf(stdout, nullptr, _IONBF, 0);
        watch.pid = GetCurrentProcessId();
        watch.onStuck = StopOnUnansweredBox;
        boxwatch::StartWatch(watch);
    }
    ~BoxWatchStart() { boxwatch::StopWatch(watch); }
} gBoxWatch;

}  // namespace

ScratchDir::ScratchDir(const char* name) {
    char tmp[MAX_PATH] = {};
    GetTempPathA(sizeof tmp, tmp);
    path_ = std::string(tmp) + name + "-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchDir::~ScratchDir() {
    WIN32_FIND_DATAA fd;
    fw::FindHandle h(FindFirstFileA((path_ + "\\*").c_str(), &fd));
    for (bool more = static_cast<bool>(h); more; more = FindNextFileA(h.get(), &fd) != FALSE) {
        std::string f = path_ + "\\" + fd.cFileName;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (std::strcmp(fd.cFileName, ".") && std::strcmp(fd.cFileName, "..")) RemoveDirectoryA(f.c_str());
        } else {
            SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(f.c_str());
        }
    }
    h.reset();
    RemoveDirectoryA(path_.c_str());
}

bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::vector<unsigned char> out;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return out;
    unsigned char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
    std::fclose(f);
    return out;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

static void Put32(std::vector<unsigned char>& v, size_t at, uint32_t x) {
    for (int i = 0; i < 4; ++i) v[at + i] = static_cast<unsigned char>(x >> (8 * i));
}

void WriteBmp(const std::string& path, int32_t width, int32_t height, uint32_t rgb) {
    const uint32_t stride = width > 0 ? (static_cast<uint32_t>(width) * 3 + 3) & ~3u : 0;
    const uint32_t rows = static_cast<uint32_t>(height < 0 ? -height : height);
    std::vector<unsigned char> v(54 + static_cast<size_t>(stride) * rows, 0);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 2, static_cast<uint32_t>(v.size()));
    Put32(v, 10, 54);
    Put32(v, 14, 40);
    Put32(v, 18, static_cast<uint32_t>(width));
    Put32(v, 22, static_cast<uint32_t>(height));
    v[26] = 1;
    v[28] = 24;
    for (uint32_t y = 0; y < rows; ++y)
        for (int32_t x = 0; x < width; ++x) {
            unsigned char* p = &v[54 + y * stride + x * 3];
            p[0] = rgb & 0xff;
            p[1] = (rgb >> 8) & 0xff;
            p[2] = (rgb >> 16) & 0xff;
        }
    WriteBytes(path, v);
}

std::string BmpShape(const std::string& path) {
    mov::BmpInfo info;
    if (mov::ProbeBmpFile(path.c_str(), &info) != mov::BmpStatus::Ok) return "unreadable";
    return std::to_string(info.width) + "x" + std::to_string(info.height);
}

bool RegPeek(HKEY root, const char* key, const char* name, DWORD& type, std::string& bytes) {
    fw::RegKey k;
    DWORD size = 0;
    if (k.Open(root, key) != ERROR_SUCCESS || k.QueryInfo(name, type, size) != ERROR_SUCCESS) return false;
    bytes.assign(size, '\0');
    return RegQueryValueExA(k.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&bytes[0]), &size) == ERROR_SUCCESS;
}

std::string RegText(HKEY root, const char* key, const char* name) {
    DWORD type = 0;
    std::string bytes;
    if (!RegPeek(root, key, name, type, bytes)) return "<absent>";
    if (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
    return bytes;
}

bool RegPut(HKEY root, const char* key, const char* name, DWORD type, const void* data, DWORD size) {
    fw::RegKey k;
    if (k.Create(root, key) != ERROR_SUCCESS) return false;
    return RegSetValueExA(k.get(), name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

bool RegPutText(HKEY root, const char* key, const char* name, const std::string& text) {
    return RegPut(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool RegPutDword(HKEY root, const char* key, const char* name, DWORD value) {
    return RegPut(root, key, name, REG_DWORD, &value, sizeof value);
}

void RegDeleteValueIn(HKEY root, const char* key, const char* name) {
    fw::RegKey k;
    if (k.Open(root, key, KEY_SET_VALUE) == ERROR_SUCCESS) k.Delete(name);
}

void Pump() {
    MSG m;
    for (int i = 0; i < 1000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); ++i) DispatchMessageA(&m);
}

bool WaitUntilBusyFlagCleared(DWORD timeoutMs) {
    for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
        if (mov::BusyFlagCleared()) return true;
        Sleep(50);
    }
    return false;
}

namespace {

struct PendingBox {
    int button;
    SeenBox seen;
    std::function<void()> whileUp;
};
PendingBox* gPending = nullptr;

BOOL CALLBACK FirstVisibleDialog(HWND w, LPARAM out) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(w)) return TRUE;
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = nullptr;  // the visible dialog of this thread, once it is there
    EnumThreadWindows(GetCurrentThreadId(), FirstVisibleDialog, reinterpret_cast<LPARAM>(&box));
    if (!box || !gPending) return;
    KillTimer(nullptr, id);
    const boxwatch::Box shown = boxwatch::Describe(box);
    gPending->seen.caption = shown.caption;
    gPending->seen.text = shown.text;
    gPending->seen.yesNo = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && !GetDlgItem(box, IDOK);
    if (gPending->whileUp) gPending->whileUp();
    PostMessageA(box, WM_COMMAND, gPending->button, 0);
}

}  // namespace

SeenBox AnswerMessageBox(int button, const std::function<void()>& showsBox, const std::function<void()>& whileUp) {
    PendingBox pending{button, {}, whileUp};
    gPending = &pending;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerBox);
    showsBox();
    KillTimer(nullptr, timer);
    gPending = nullptr;
    return pending.seen;
}

void CountingClock::Sleep(unsigned ms) {
    ++sleeps;
    sleptMs += ms;
    now_ += ms;
    for (unsigned waited = 0; waited < realMs_; waited += 20) {
        if (wake_ && wake_()) break;
        ::Sleep(realMs_ - waited < 20 ? realMs_ - waited : 20);
    }
}

}  // namespace testsupport
