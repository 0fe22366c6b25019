// The ANSI Win32 file operations of a conversion, shared by the Windows NT and the Windows 9x
// builds; they differ only in how a finished bitmap replaces the old one.
#pragma once
#include <windows.h>
#include <memory>
#include "components/jpeg/file_system.h"

namespace jpeg {

// Reads from `h` where its file pointer stands, and closes it at the end.
std::unique_ptr<ByteReader> ReaderOnHandle(HANDLE h);

class WinFileSystem : public FileSystem {
public:
    std::unique_ptr<ByteReader> OpenRead(const std::string& path) override;
    std::unique_ptr<FileWriter> Create(const std::string& path) override;
    void Remove(const std::string& path) override;
};

}  // namespace jpeg
