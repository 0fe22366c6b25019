// Fuzz target: shortcut bytes of any shape; the first byte picks the Windows family.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include "collection/file_kind.h"
#include "collection/shortcut_resolver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int osKind = data[0] & 3;
    mov::ShortcutTarget t = mov::ResolveShortcutBytes(data + 1, size - 1, osKind);
    // A target always fits a path buffer and has the kind its name says.
    if (t.path.size() > mov::kMaxTargetPath) std::abort();
    if (t.kind == 0 && !t.path.empty()) std::abort();
    if (t.kind == 1 && !mov::IsBitmapName(t.path)) std::abort();
    if (t.kind == 2 && !mov::IsShortJpegName(t.path)) std::abort();
    if (t.kind < 0 || t.kind > 2) std::abort();
    return 0;
}
