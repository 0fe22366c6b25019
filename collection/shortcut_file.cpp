// Shortcut files on disk: the bytes go to the portable resolver.
#include "collection/shortcut_file.h"
#include <windows.h>
#include <vector>
#include "framework/handle.h"

namespace mov {
namespace {

fw::Handle OpenShared(const std::string& path) {
    return fw::Handle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

bool CanOpenForReading(const std::string& path) { return static_cast<bool>(OpenShared(path)); }

ShortcutTarget ResolveShortcut(const std::string& lnkPath, int osKind) {
    fw::Handle h = OpenShared(lnkPath);
    if (!h) return {};
    // GetFileSize, not GetFileSizeEx: Windows 95, 98 and NT 4.0 have only the former. Its
    // failure value (all bits set) is far above the limit.
    DWORD high = 0;
    const DWORD low = GetFileSize(h.get(), &high);
    std::vector<unsigned char> data;
    DWORD got = 0;
    bool ok = high == 0 && low > 0 && low <= kMaxShortcutFile;
    if (ok) {
        data.resize(low);
        ok = ReadFile(h.get(), data.data(), static_cast<DWORD>(data.size()), &got, nullptr) && got >= 1 &&
             got <= data.size();
    }
    if (!ok) return {};
    return ResolveShortcutBytes(data.data(), got, osKind);
}

}  // namespace mov
