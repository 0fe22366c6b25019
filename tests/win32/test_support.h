// Helpers shared by the Wine tests: a scratch folder, small bitmaps, registry peeks, a clock.
#pragma once
#include <windows.h>
#include <cstdint>
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

// A 24-bit bitmap of one colour (0xRRGGBB); a negative height makes it top-down.
void WriteBmp(const std::string& path, int32_t width, int32_t height, uint32_t rgb = 0x336699);
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
// Width and height from a bitmap file's info header; false when it cannot be read.
bool BmpSize(const std::string& path, int32_t& width, int32_t& height);

// A registry value: true and its type and bytes when present.
bool RegPeek(HKEY root, const char* key, const char* name, DWORD& type, std::string& bytes);
// The text of a REG_SZ value without its terminating zero; "<absent>" when missing.
std::string RegText(HKEY root, const char* key, const char* name);
void RegDeleteValueIn(HKEY root, const char* key, const char* name);

// The message box this thread is showing (a visible dialog of class #32770), or null.
HWND OwnMessageBox();

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
