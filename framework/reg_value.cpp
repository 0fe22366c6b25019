// The registry value rules.
#include "framework/reg_value.h"
#include <cstring>

namespace fw {

bool TextOfValue(const RegValue& v, size_t capacity, std::string& out) {
    if (v.bytes.size() > capacity) return false;
    out.assign(v.bytes.c_str(), strnlen(v.bytes.c_str(), v.bytes.size()));
    return true;
}

bool NumberOfValue(const RegValue& v, int32_t& out) {
    if (v.bytes.size() != 4 || (v.type != kValueDword && v.type != kValueBinary && v.type != kValueNone)) return false;
    const auto* b = reinterpret_cast<const unsigned char*>(v.bytes.data());
    out = static_cast<int32_t>(b[0] | b[1] << 8 | b[2] << 16 | uint32_t(b[3]) << 24);
    return true;
}

}  // namespace fw
