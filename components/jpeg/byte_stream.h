// The converter's view of files: a sequential reader; it writes through image/'s ByteSink.
#pragma once
#include <cstddef>
#include <cstdint>
#include "image/byte_sink.h"

namespace jpeg {

class ByteReader {
public:
    virtual ~ByteReader() = default;
    // Reads up to `size` bytes; returns how many (0 at the end or on a read error).
    virtual size_t Read(void* buf, size_t size) = 0;
};

// Reads from a block of memory the caller keeps alive.
class MemoryReader : public ByteReader {
public:
    MemoryReader(const void* data, size_t size) : p_(static_cast<const uint8_t*>(data)), left_(size) {}
    size_t Read(void* buf, size_t size) override;

private:
    const uint8_t* p_;
    size_t left_;
};

}  // namespace jpeg
