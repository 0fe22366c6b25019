// Helpers shared by the Wine tests: a scratch folder, files and small bitmaps, registry
// peeks and writes, the busy flag's wait, the message box of this thread, a clock.
#pragma once
#include <windows.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "settings/clock.h"

namespace testsupport {

// A fresh folder under %TEMP%, removed with its files at the end.
class ScratchDir {
public:
    explicit ScratchDir(const char* name);
    ~ScratchDir();
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// A 24-bit bitmap of one colour (0xRRGGBB) written byte by byte, so odd headers can be
// made too: a zero or negative width gives a header without pixels, a negative height a
// top-down bitmap.
void WriteBmp(const std::string& path, int32_t width, int32_t height, uint32_t rgb = 0x336699);
// "WIDTHxHEIGHT" of a bitmap file as image/'s reader finds it, else "unreadable".
std::string BmpShape(const std::string& path);
bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> ReadBytes(const std::string& path);
bool FileExists(const std::string& path);

// A registry value: true and its type and bytes when present.
bool RegPeek(HKEY root, const char* key, const char* name, DWORD& type, std::string& bytes);
// The text of a REG_SZ value without its terminating zero; "<absent>" when missing.
std::string RegText(HKEY root, const char* key, const char* name);
// Writes a value of any type (the key is created when missing); false when it cannot.
bool RegPut(HKEY root, const char* key, const char* name, DWORD type, const void* data, DWORD size);
bool RegPutText(HKEY root, const char* key, const char* name, const std::string& text);  // zero counted
bool RegPutDword(HKEY root, const char* key, const char* name, DWORD value);
void RegDeleteValueIn(HKEY root, const char* key, const char* name);

// Polls the busy flag as the main program does, in short steps: true once it reads 0.
bool WaitUntilBusyFlagCleared(DWORD timeoutMs);
// Runs what this thread's queue holds, as the program's message loop would.
void Pump();

// What a message box showed: its caption, its message (the longest static text) and
// whether it offers Yes and No only.
struct SeenBox {
    std::string caption, text;
    bool yesNo = false;
};
// Runs `showsBox`, which opens a modal message box on this thread; a timer inside the box's
// modal loop reads the box, runs `whileUp` (what another program might send meanwhile) and
// presses `button`.
SeenBox AnswerMessageBox(int button, const std::function<void()>& showsBox,
                         const std::function<void()>& whileUp = nullptr);

// A clock that counts the sleeps asked of it and really sleeps at most `realMs` for each,
// less when `wake` says the awaited state is there. Outside programs start slowly on a busy
// machine: tests that wait for one give a generous `realMs` and wake on the state they await.
class CountingClock : public mov::Clock {
public:
    explicit CountingClock(unsigned realMs, bool (*wake)() = nullptr) : realMs_(realMs), wake_(wake) {}
    void Sleep(unsigned ms) override;
    uint64_t NowMs() override { return now_; }
    int64_t Seconds() override { return static_cast<int64_t>(now_ / 1000); }
    int sleeps = 0;
    uint64_t sleptMs = 0;

private:
    unsigned realMs_;
    bool (*wake_)();
    uint64_t now_ = 0;
};

// Puts a clock in place for one scope.
class ClockScope {
public:
    explicit ClockScope(mov::Clock& c) { mov::SetClock(&c); }
    ~ClockScope() { mov::SetClock(nullptr); }
};

}  // namespace testsupport
