// Helpers shared by the Wine tests.
#include "test_support.h"
#include <cstdio>
#include <cstring>

namespace testsupport {

ScratchDir::ScratchDir(const char* name) {
    char tmp[MAX_PATH] = {};
    GetTempPathA(sizeof tmp, tmp);
    path_ = std::string(tmp) + name + "-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchDir::~ScratchDir() {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((path_ + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string f = path_ + "\\" + fd.cFileName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (std::strcmp(fd.cFileName, ".") && std::strcmp(fd.cFileName, "..")) RemoveDirectoryA(f.c_str());
            } else {
                SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(f.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(path_.c_str());
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
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
    // Odd sizes (zero or negative width) get a header and no pixels.
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

bool BmpSize(const std::string& path, int32_t& width, int32_t& height) {
    std::vector<unsigned char> v = ReadBytes(path);
    if (v.size() < 26 || v[0] != 'B' || v[1] != 'M') return false;
    std::memcpy(&width, &v[18], 4);
    std::memcpy(&height, &v[22], 4);
    return true;
}

bool RegPeek(HKEY root, const char* key, const char* name, DWORD& type, std::string& bytes) {
    HKEY k;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    bool ok = RegQueryValueExA(k, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    if (ok) {
        bytes.assign(size, '\0');
        ok = RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE*>(&bytes[0]), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(k);
    return ok;
}

std::string RegText(HKEY root, const char* key, const char* name) {
    DWORD type = 0;
    std::string bytes;
    if (!RegPeek(root, key, name, type, bytes)) return "<absent>";
    if (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
    return bytes;
}

void RegDeleteValueIn(HKEY root, const char* key, const char* name) {
    HKEY k;
    if (RegOpenKeyExA(root, key, 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) return;
    RegDeleteValueA(k, name);
    RegCloseKey(k);
}

static BOOL CALLBACK FirstVisibleDialog(HWND w, LPARAM out) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(w)) return TRUE;
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
}

HWND OwnMessageBox() {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FirstVisibleDialog, reinterpret_cast<LPARAM>(&box));
    return box;
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
