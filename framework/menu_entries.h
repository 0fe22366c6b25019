// A menu's entries as a table of ids and texts; an entry without text is a separator.
#pragma once
#include <windows.h>
#include <cstddef>

namespace fw {

struct MenuEntry {
    UINT id;
    const char* text;
};

// Appends the entries in order; `checked(id)` says which carry a check mark.
template <size_t N, class Checked>
void AppendMenuEntries(HMENU menu, const MenuEntry (&entries)[N], Checked checked) {
    for (const MenuEntry& e : entries) {
        if (!e.text) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuA(menu, MF_STRING | (checked(e.id) ? MF_CHECKED : 0u), e.id, e.text);
    }
}

template <size_t N>
void AppendMenuEntries(HMENU menu, const MenuEntry (&entries)[N]) {
    AppendMenuEntries(menu, entries, [](UINT) { return false; });
}

}  // namespace fw
