// Positioned byte output: where the BMP writer puts a file's bytes.
#pragma once
#include <cstddef>
#include <cstdint>

namespace mov {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all `size` bytes at `offset`; false on any failure.
    virtual bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) = 0;
};

}  // namespace mov
