// Memory and file sources of archive bytes.
#include "lha_source.h"
#include <cstring>

namespace lha {
namespace {

bool Seek(std::FILE* f, uint64_t pos) {
#ifdef _WIN32
    return _fseeki64(f, static_cast<long long>(pos), SEEK_SET) == 0;
#else
    return fseeko(f, static_cast<off_t>(pos), SEEK_SET) == 0;
#endif
}

}  // namespace

size_t MemorySource::ReadAt(uint64_t offset, void* buf, size_t n) {
    if (offset >= size_) return 0;
    size_t avail = static_cast<size_t>(size_ - offset);
    if (n > avail) n = avail;
    std::memcpy(buf, data_ + offset, n);
    return n;
}

FileSource::FileSource(const std::string& path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) return;
    long long end = -1;
#ifdef _WIN32
    if (_fseeki64(file_, 0, SEEK_END) == 0) end = _ftelli64(file_);
#else
    if (fseeko(file_, 0, SEEK_END) == 0) end = ftello(file_);
#endif
    if (end < 0 || !Seek(file_, 0)) {
        std::fclose(file_);
        file_ = nullptr;
        return;
    }
    size_ = static_cast<uint64_t>(end);
}

FileSource::~FileSource() {
    if (file_) std::fclose(file_);
}

size_t FileSource::ReadAt(uint64_t offset, void* buf, size_t n) {
    if (!file_ || offset >= size_) return 0;
    if (offset != pos_) {
        if (!Seek(file_, offset)) return 0;
        pos_ = offset;
    }
    size_t got = std::fread(buf, 1, n, file_);
    pos_ += got;
    if (got < n) {
        std::clearerr(file_);
        pos_ = UINT64_MAX;  // position unknown after a short read: seek next time
    }
    return got;
}

}  // namespace lha
