// Finding a shortcut's target path in the bytes of a .lnk file, the way each Windows
// family lays it out, without understanding the file's structure.
#pragma once
#include <cstddef>
#include <string>

namespace mov {

// Longest target path: the callers copy it into 260-byte path buffers.
constexpr size_t kMaxTargetPath = 259;

// Larger files are not read at all: real shortcuts take a few kilobytes.
constexpr size_t kMaxShortcutFile = 1u << 20;

struct ShortcutTarget {
    int kind = 0;      // 0 no usable target, 1 bitmap, 2 JPEG (".jpg" only, not ".jpeg")
    std::string path;  // empty when kind is 0
};

// `osKind` as the start-up probe sets it (kOs9x, kOs2000; anything else reads the NT 4
// layout). A target longer than kMaxTargetPath is rejected.
ShortcutTarget ResolveShortcutBytes(const unsigned char* data, size_t size, int osKind);

}  // namespace mov
