// The busy flag of the handshake with outside programs, as published: the REG_DWORD
// LhaArchiveing under HKCU\Software\Farnwick\MovAni32\Group, 1 while an outside program
// works and 0 once it is done. Header-only, so the main program, the outside programs we
// build and the tests share this one definition and nothing else of each other.
#pragma once
#include <windows.h>
#include <cstdint>
#include "framework/reg_key.h"
#include "settings/registry_paths.h"

namespace mov {

constexpr const char kBusyValue[] = "LhaArchiveing";

inline void SetBusyFlag(uint32_t value) {
    fw::RegKey k;
    if (k.Create(HKEY_CURRENT_USER, kGroupKey) == ERROR_SUCCESS) k.SetDword(kBusyValue, value);
}

// True when the flag reads 0. A flag that cannot be read (absent, or not a 4-byte number)
// counts as busy.
inline bool BusyFlagCleared() {
    fw::RegKey k;
    int32_t v = 1;
    if (k.Create(HKEY_CURRENT_USER, kGroupKey) != ERROR_SUCCESS) return false;
    return k.QueryNumber(kBusyValue, v) == ERROR_SUCCESS && v == 0;
}

}  // namespace mov
