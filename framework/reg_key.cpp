// Registry access through an owned key.
#include "framework/reg_key.h"
#include <cstring>
#include <utility>

namespace fw {

LONG RegKey::Create(HKEY parent, const char* subkey, DWORD* disposition) {
    HKEY k = nullptr;
    DWORD disp = 0;
    char cls[] = "REG_DWORD";
    LONG rc = RegCreateKeyExA(parent, subkey, 0, cls, 0, KEY_ALL_ACCESS, nullptr, &k, &disp);
    key_.reset(rc == ERROR_SUCCESS ? k : nullptr);
    if (disposition) *disposition = rc == ERROR_SUCCESS ? disp : 0;
    return rc;
}

LONG RegKey::Open(HKEY parent, const char* subkey, REGSAM access) {
    HKEY k = nullptr;
    LONG rc = RegOpenKeyExA(parent, subkey, 0, access, &k);
    key_.reset(rc == ERROR_SUCCESS ? k : nullptr);
    return rc;
}

LONG RegKey::SetString(const char* name, const std::string& value) {
    if (!key_) return ERROR_INVALID_HANDLE;
    return RegSetValueExA(key_.get(), name, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1));
}

LONG RegKey::SetDword(const char* name, uint32_t value) {
    if (!key_) return ERROR_INVALID_HANDLE;
    DWORD v = value;
    return RegSetValueExA(key_.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
}

LONG RegKey::Delete(const char* name) {
    if (!key_) return ERROR_INVALID_HANDLE;
    return RegDeleteValueA(key_.get(), name);
}

LONG RegKey::QueryValue(const char* name, RegValue& out) const {
    DWORD type = 0, size = 0;
    LONG rc = QueryInfo(name, type, size);
    if (rc != ERROR_SUCCESS) return rc;
    std::string bytes(size, '\0');
    rc = RegQueryValueExA(key_.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&bytes[0]), &size);
    if (rc != ERROR_SUCCESS) return rc;  // grown since it was measured: ERROR_MORE_DATA
    bytes.resize(size < bytes.size() ? size : bytes.size());
    out.type = type;
    out.bytes = std::move(bytes);
    return rc;
}

LONG RegKey::QueryString(const char* name, std::string& out, DWORD capacity) const {
    RegValue v;
    LONG rc = QueryValue(name, v);
    if (rc != ERROR_SUCCESS) return rc;
    return TextOfValue(v, capacity, out) ? ERROR_SUCCESS : ERROR_MORE_DATA;
}

LONG RegKey::QueryDword(const char* name, int32_t& inout) const {
    if (!key_) return ERROR_INVALID_HANDLE;
    unsigned char bytes[4];
    std::memcpy(bytes, &inout, 4);
    DWORD type = 0, size = sizeof bytes;
    LONG rc = RegQueryValueExA(key_.get(), name, nullptr, &type, bytes, &size);
    if (rc == ERROR_SUCCESS) std::memcpy(&inout, bytes, 4);
    return rc;
}

LONG RegKey::QueryNumber(const char* name, int32_t& out) const {
    RegValue v;
    LONG rc = QueryValue(name, v);
    if (rc != ERROR_SUCCESS) return rc;
    return NumberOfValue(v, out) ? ERROR_SUCCESS : ERROR_INVALID_DATA;
}

LONG RegKey::QueryInfo(const char* name, DWORD& type, DWORD& size) const {
    if (!key_) return ERROR_INVALID_HANDLE;
    size = 0;
    return RegQueryValueExA(key_.get(), name, nullptr, &type, nullptr, &size);
}

}  // namespace fw
