// CRC-16 of unpacked member data, table driven.
#include "lha_crc16.h"
#include <array>

namespace lha {
namespace {

std::array<uint16_t, 256> MakeTable() {
    std::array<uint16_t, 256> t{};
    for (unsigned i = 0; i < 256; ++i) {
        uint16_t c = static_cast<uint16_t>(i);
        for (int k = 0; k < 8; ++k) c = (c & 1) ? static_cast<uint16_t>((c >> 1) ^ 0xA001) : static_cast<uint16_t>(c >> 1);
        t[i] = c;
    }
    return t;
}

}  // namespace

uint16_t Crc16(uint16_t crc, const uint8_t* data, size_t len) {
    static const std::array<uint16_t, 256> table = MakeTable();
    for (size_t i = 0; i < len; ++i) crc = static_cast<uint16_t>((crc >> 8) ^ table[(crc ^ data[i]) & 0xFF]);
    return crc;
}

}  // namespace lha
