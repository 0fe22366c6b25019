// Positioned byte input from a file or a memory block.
#include "image/byte_source.h"

#include <cstring>

namespace mov {

bool SeekFile(std::FILE* f, std::uint64_t offset) {
    if (offset > static_cast<std::uint64_t>(INT64_MAX)) return false;
#ifdef _WIN32
    return _fseeki64(f, static_cast<long long>(offset), SEEK_SET) == 0;
#else
    return fseeko(f, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

FileSource::FileSource(const char* path) {
    if (!path) return;
    file_ = std::fopen(path, "rb");
    if (!file_) return;
    std::setvbuf(file_, nullptr, _IOFBF, 64 * 1024);
#ifdef _WIN32
    const bool atEnd = _fseeki64(file_, 0, SEEK_END) == 0;
    const long long end = atEnd ? _ftelli64(file_) : -1;
#else
    const bool atEnd = fseeko(file_, 0, SEEK_END) == 0;
    const long long end = atEnd ? static_cast<long long>(ftello(file_)) : -1;
#endif
    if (end < 0 || !SeekFile(file_, 0)) {
        std::fclose(file_);
        file_ = nullptr;
        return;
    }
    size_ = static_cast<std::uint64_t>(end);
}

FileSource::~FileSource() {
    if (file_) std::fclose(file_);
}

bool FileSource::Seek(std::uint64_t offset) {
    return file_ && offset <= size_ && SeekFile(file_, offset);
}

std::size_t FileSource::Read(void* buf, std::size_t n) {
    if (!file_ || n == 0) return 0;
    return std::fread(buf, 1, n, file_);
}

bool MemorySource::Seek(std::uint64_t offset) {
    if (offset > size_) return false;
    pos_ = static_cast<std::size_t>(offset);
    return true;
}

std::size_t MemorySource::Read(void* buf, std::size_t n) {
    const std::size_t left = size_ - pos_;
    if (n > left) n = left;
    if (n) std::memcpy(buf, data_ + pos_, n);
    pos_ += n;
    return n;
}

}  // namespace mov
