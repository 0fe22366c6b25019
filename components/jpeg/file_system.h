// The few file operations a conversion needs; each platform supplies its own.
#pragma once
#include <memory>
#include <string>
#include "components/jpeg/byte_stream.h"

namespace jpeg {

class FileWriter : public mov::ByteSink {
public:
    // Flushes and closes; false when anything written may be lost.
    virtual bool Close() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Null when the file cannot be opened for reading.
    virtual std::unique_ptr<ByteReader> OpenRead(const std::string& path) = 0;
    // Creates or empties `path`; null on failure.
    virtual std::unique_ptr<FileWriter> Create(const std::string& path) = 0;
    // Moves `from` over `to`, replacing it; on failure `to` is as it was.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    virtual void Remove(const std::string& path) = 0;
};

// Files of the machine we run on (POSIX natively, the ANSI Win32 calls on Windows).
FileSystem& HostFileSystem();

// A reader on the file from `offset` on (a picture inside a larger file); null when the file
// does not open or the offset cannot be reached. Past the end it reads nothing.
std::unique_ptr<ByteReader> OpenReadAt(const std::string& path, uint64_t offset);

}  // namespace jpeg
