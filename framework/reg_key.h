// A registry key held open for its scope, with the program's ways of reading and writing values.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include "framework/handle.h"
#include "framework/reg_value.h"

namespace fw {

class RegKey {
public:
    RegKey() = default;

    // RegCreateKeyExA with class string "REG_DWORD", options 0 and KEY_ALL_ACCESS,
    // so a missing key is made on first use. Returns the registry's error code;
    // `disposition` (when given) receives REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY.
    LONG Create(HKEY parent, const char* subkey, DWORD* disposition = nullptr);
    // RegOpenKeyExA; a missing key stays missing.
    LONG Open(HKEY parent, const char* subkey, REGSAM access = KEY_READ);
    void Close() { key_.reset(); }

    HKEY get() const { return key_.get(); }
    explicit operator bool() const { return static_cast<bool>(key_); }

    // REG_SZ written with the terminating zero counted in its length.
    LONG SetString(const char* name, const std::string& value);
    // 4-byte REG_DWORD.
    LONG SetDword(const char* name, uint32_t value);
    LONG Delete(const char* name);

    // A value's type and all its bytes, as the rules of reg_value.h take them.
    LONG QueryValue(const char* name, RegValue& out) const;
    // Reads a value whatever its type into at most `capacity` bytes (the 255-byte
    // registry text buffers of the program). On success `out` holds the bytes up to
    // the first zero; a value larger than the buffer fails and leaves `out` alone.
    LONG QueryString(const char* name, std::string& out, DWORD capacity = 255) const;
    // Reads up to 4 bytes straight over `inout` (a shorter value changes only its low
    // bytes, a longer one fails and leaves `inout` alone), whatever its type.
    LONG QueryDword(const char* name, int32_t& inout) const;
    // The program's own numbers: only a 4-byte REG_DWORD, REG_BINARY or REG_NONE value is
    // taken. A text or a value of another size fails (ERROR_INVALID_DATA) and leaves `out`
    // alone, so a hand-edited "1" cannot turn into 49.
    LONG QueryNumber(const char* name, int32_t& out) const;
    // Type and size of a value, without reading it.
    LONG QueryInfo(const char* name, DWORD& type, DWORD& size) const;

private:
    Key key_;
};

}  // namespace fw
