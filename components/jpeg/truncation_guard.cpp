// Marker-aware pass-through: complete segments and compressed data go on, a cut segment does not.
#include "components/jpeg/truncation_guard.h"
#include <cstring>

namespace jpeg {

bool TruncationGuard::Fill(size_t need) {
    while (end_ - pos_ < need) {
        if (eof_) return false;
        if (pos_ > 0) {  // move what is left to the front
            std::memmove(raw_.data(), raw_.data() + pos_, end_ - pos_);
            end_ -= pos_;
            pos_ = 0;
        }
        size_t n = in_.Read(raw_.data() + end_, raw_.size() - end_);
        if (n == 0) eof_ = true;
        end_ += n;
    }
    return true;
}

size_t TruncationGuard::Read(void* buf, size_t size) {
    uint8_t* out = static_cast<uint8_t*>(buf);
    size_t done = 0;
    while (done < size && !cutShort_) {
        if (pending_ > 0) {
            size_t n = pending_ < end_ - pos_ ? pending_ : end_ - pos_;  // all buffered by Fill
            if (n > size - done) n = size - done;
            std::memcpy(out + done, raw_.data() + pos_, n);
            pos_ += n;
            done += n;
            pending_ -= n;
            continue;
        }
        if (!Fill(1)) break;
        const uint8_t* start = raw_.data() + pos_;
        size_t avail = end_ - pos_;
        const void* ff = std::memchr(start, 0xFF, avail);
        if (ff != start) {  // plain bytes up to the next 0xFF
            pending_ = ff ? static_cast<size_t>(static_cast<const uint8_t*>(ff) - start) : avail;
            continue;
        }
        if (!Fill(2)) {  // a lone 0xFF at the very end
            cutShort_ = true;
            break;
        }
        uint8_t code = raw_[pos_ + 1];
        if (code == 0xFF) {  // fill byte; the next 0xFF may begin a marker
            pending_ = 1;
        } else if (code == 0x00 || code == 0x01 || (code >= 0xD0 && code <= 0xD9)) {
            pending_ = 2;  // stuffed byte, TEM, RSTn, SOI, EOI: no length follows
        } else {
            if (!Fill(4)) {
                cutShort_ = true;
                break;
            }
            size_t length = static_cast<size_t>(raw_[pos_ + 2]) << 8 | raw_[pos_ + 3];
            if (length < 2) {
                pending_ = 4;  // malformed; libjpeg reports it
            } else if (Fill(2 + length)) {
                pending_ = 2 + length;
            } else {
                cutShort_ = true;
            }
        }
    }
    return done;
}

}  // namespace jpeg
