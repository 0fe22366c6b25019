// Fuzz target: the BMP reader on arbitrary bytes; whatever it accepts must agree with the
// probe and survive a write and re-read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "image/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mov::BmpInfo probed, read;
    const mov::BmpStatus p = mov::ProbeBmpMemory(data, size, &probed);
    mov::Bitmap bmp;
    const mov::BmpStatus s = mov::ReadBmpMemory(data, size, &bmp, &read);
    // The probe accepts at least everything the reader accepts, with the same figures.
    if (s == mov::BmpStatus::Ok) {
        if (p != mov::BmpStatus::Ok || probed.width != read.width || probed.height != read.height) std::abort();
        if (bmp.width() != read.width || bmp.height() != read.height) std::abort();
        const std::vector<std::uint8_t> again = mov::EncodeBmp(bmp);
        mov::Bitmap back;
        if (mov::ReadBmpMemory(again.data(), again.size(), &back) != mov::BmpStatus::Ok) std::abort();
        for (int y = 0; y < bmp.height(); ++y)
            if (std::memcmp(bmp.row(y), back.row(y), bmp.stride()) != 0) std::abort();
    } else if (!bmp.empty()) {
        std::abort();
    }
    return 0;
}
