// FileSystem on POSIX calls, for the native build and its tests.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include "components/jpeg/file_system.h"

namespace jpeg {

namespace {

class FdReader : public ByteReader {
public:
    explicit FdReader(int fd) : fd_(fd) {}
    ~FdReader() override { close(fd_); }
    size_t Read(void* buf, size_t size) override {
        for (;;) {
            ssize_t n = read(fd_, buf, size);
            if (n >= 0) return static_cast<size_t>(n);
            if (errno != EINTR) return 0;
        }
    }

private:
    int fd_;
};

class FdWriter : public FileWriter {
public:
    explicit FdWriter(int fd) : fd_(fd) {}
    ~FdWriter() override { Close(); }
    bool WriteAt(uint64_t offset, const void* data, size_t size) override {
        const char* p = static_cast<const char*>(data);
        while (size > 0) {
            ssize_t n = pwrite(fd_, p, size, static_cast<off_t>(offset));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            p += n;
            size -= static_cast<size_t>(n);
            offset += static_cast<uint64_t>(n);
        }
        return true;
    }
    bool Close() override {
        if (fd_ < 0) return true;
        int rc = close(fd_);
        fd_ = -1;
        return rc == 0;
    }

private:
    int fd_;
};

class PosixFileSystem : public FileSystem {
public:
    std::unique_ptr<ByteReader> OpenRead(const std::string& path) override {
        int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return nullptr;
        return std::make_unique<FdReader>(fd);
    }
    std::unique_ptr<FileWriter> Create(const std::string& path) override {
        int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) return nullptr;
        return std::make_unique<FdWriter>(fd);
    }
    bool Replace(const std::string& from, const std::string& to) override {
        return std::rename(from.c_str(), to.c_str()) == 0;
    }
    void Remove(const std::string& path) override { unlink(path.c_str()); }
};

}  // namespace

std::unique_ptr<ByteReader> OpenReadAt(const std::string& path, uint64_t offset) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    auto reader = std::make_unique<FdReader>(fd);  // closes it
    if (offset > static_cast<uint64_t>(INT64_MAX) || lseek(fd, static_cast<off_t>(offset), SEEK_SET) < 0) return nullptr;
    return reader;
}

FileSystem& HostFileSystem() {
    static PosixFileSystem fs;
    return fs;
}

}  // namespace jpeg
