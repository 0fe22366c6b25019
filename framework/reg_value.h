// What the program makes of a registry value of any type and length: the rules RegKey reads
// by, kept apart from the registry so the unit tier and the fuzz targets run them natively.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace fw {

// Value types the rules tell apart, with the system's numbers (REG_NONE, REG_SZ, ...).
enum : uint32_t { kValueNone = 0, kValueText = 1, kValueBinary = 3, kValueDword = 4 };

// A value as stored: its type and all its bytes.
struct RegValue {
    uint32_t type = kValueNone;
    std::string bytes;
};

// A text read into a buffer of `capacity` bytes, whatever the type: the bytes up to the
// first zero. A longer value does not fit: false, `out` left alone.
bool TextOfValue(const RegValue& v, size_t capacity, std::string& out);

// The program's own numbers: only a 4-byte REG_DWORD, REG_BINARY or REG_NONE value, little
// end first. Anything else is false and leaves `out` alone, so a hand-edited "1" is no 49.
bool NumberOfValue(const RegValue& v, int32_t& out);

}  // namespace fw
