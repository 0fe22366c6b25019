// The CRC-16 that LHA headers store for each member's unpacked data.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lha {

// Continues a CRC-16 (reflected polynomial 0xA001, start value 0) over `len` bytes.
uint16_t Crc16(uint16_t crc, const uint8_t* data, size_t len);

}  // namespace lha
