// Passes a JPEG stream on, but ends it before a marker segment that the file cut short.
#pragma once
#include <vector>
#include "components/jpeg/byte_stream.h"

namespace jpeg {

// libjpeg copes with a file cut inside compressed data (it decodes what is there), but
// not with one cut inside a marker segment: it reads on into made-up bytes and fails.
// A progressive file cut in the tables of a later scan would then lose the scans it
// already has. This reader holds each marker segment until all of it has arrived and
// ends the stream instead of handing on a partial one.
class TruncationGuard : public ByteReader {
public:
    explicit TruncationGuard(ByteReader& inner) : in_(inner), raw_(kCapacity) {}
    size_t Read(void* buf, size_t size) override;
    // True when the stream was ended early because a segment was incomplete.
    bool cutShort() const { return cutShort_; }

private:
    static constexpr size_t kCapacity = 2 * 65536 + 4;  // a whole segment fits, with room to read
    bool Fill(size_t need);  // at least `need` bytes waiting; false at the end of the input

    ByteReader& in_;
    std::vector<uint8_t> raw_;
    size_t pos_ = 0, end_ = 0;
    size_t pending_ = 0;   // bytes of a complete segment still to hand on
    bool eof_ = false;
    bool cutShort_ = false;
};

}  // namespace jpeg
