// Positioned byte input from a file or a memory block, for the parsers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace mov {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual bool ok() const = 0;
    virtual std::uint64_t Size() const = 0;
    // False when offset lies beyond the end.
    virtual bool Seek(std::uint64_t offset) = 0;
    // Bytes actually read (fewer at the end).
    virtual std::size_t Read(void* buf, std::size_t n) = 0;
};

class FileSource : public ByteSource {
public:
    explicit FileSource(const char* path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool ok() const override { return file_ != nullptr; }
    std::uint64_t Size() const override { return size_; }
    bool Seek(std::uint64_t offset) override;
    std::size_t Read(void* buf, std::size_t n) override;

private:
    std::FILE* file_ = nullptr;
    std::uint64_t size_ = 0;
};

class MemorySource : public ByteSource {
public:
    MemorySource(const void* data, std::size_t size)
        : data_(static_cast<const std::uint8_t*>(data)), size_(data ? size : 0) {}
    bool ok() const override { return true; }
    std::uint64_t Size() const override { return size_; }
    bool Seek(std::uint64_t offset) override;
    std::size_t Read(void* buf, std::size_t n) override;

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// 64-bit file positioning on every platform (long is 32 bits on Windows).
bool SeekFile(std::FILE* f, std::uint64_t offset);

}  // namespace mov
