// Shortcut files on disk: the bytes go to the portable resolver.
#include "collection/shortcut_file.h"
#include <windows.h>
#include <vector>

namespace mov {
namespace {

HANDLE OpenShared(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

}  // namespace

bool CanOpenForReading(const std::string& path) {
    HANDLE h = OpenShared(path);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

ShortcutTarget ResolveShortcut(const std::string& lnkPath, int osKind) {
    HANDLE h = OpenShared(lnkPath);
    if (h == INVALID_HANDLE_VALUE) return {};
    LARGE_INTEGER size{};
    std::vector<unsigned char> data;
    DWORD got = 0;
    bool ok = GetFileSizeEx(h, &size) && size.QuadPart > 0 &&
              static_cast<unsigned long long>(size.QuadPart) <= kMaxShortcutFile;
    if (ok) {
        data.resize(static_cast<size_t>(size.QuadPart));
        ok = ReadFile(h, data.data(), static_cast<DWORD>(data.size()), &got, nullptr) && got >= 1 &&
             got <= data.size();
    }
    CloseHandle(h);
    if (!ok) return {};
    return ResolveShortcutBytes(data.data(), got, osKind);
}

}  // namespace mov
