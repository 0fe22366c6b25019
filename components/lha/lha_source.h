// Where archive bytes come from: a memory buffer or a file, read at any offset.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace lha {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    // Reads up to n bytes at offset; returns how many were read (0 past the end or on error).
    virtual size_t ReadAt(uint64_t offset, void* buf, size_t n) = 0;
};

class MemorySource : public ByteSource {
public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint64_t Size() const override { return size_; }
    size_t ReadAt(uint64_t offset, void* buf, size_t n) override;

private:
    const uint8_t* data_;
    size_t size_;
};

// A file opened for reading by path (bytes as the platform's fopen takes them).
class FileSource : public ByteSource {
public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    bool ok() const { return file_ != nullptr; }
    uint64_t Size() const override { return size_; }
    size_t ReadAt(uint64_t offset, void* buf, size_t n) override;

private:
    std::FILE* file_ = nullptr;
    uint64_t size_ = 0;
    uint64_t pos_ = 0;  // where the next fread reads, so sequential reads never seek
};

}  // namespace lha
