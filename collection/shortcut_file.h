// Resolving a shortcut file on disk and testing that a target can be opened.
#pragma once
#include <string>
#include "collection/shortcut_resolver.h"

namespace mov {

// Reads the .lnk file (others may read it, not write it) and finds its target. A file that
// cannot be opened, is empty or is larger than kMaxShortcutFile gives kind 0.
ShortcutTarget ResolveShortcut(const std::string& lnkPath, int osKind);

// True when the file opens for reading with others denied write access.
bool CanOpenForReading(const std::string& path);

}  // namespace mov
