// FileSystem on the ANSI Win32 calls, so Shift-JIS paths open as the user sees them. Only
// calls that Windows 95 has: no wide-character or extended file functions.
#include "components/jpeg/win_file_system.h"
#include "framework/handle.h"

namespace jpeg {

namespace {

class HandleReader : public ByteReader {
public:
    explicit HandleReader(HANDLE h) : h_(h) {}
    size_t Read(void* buf, size_t size) override {
        DWORD got = 0;
        DWORD want = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
        if (!ReadFile(h_.get(), buf, want, &got, nullptr)) return 0;
        return got;
    }

private:
    fw::Handle h_;
};

class HandleWriter : public FileWriter {
public:
    explicit HandleWriter(HANDLE h) : h_(h) {}
    bool WriteAt(uint64_t offset, const void* data, size_t size) override {
        // SetFilePointer with the high part: also on systems without SetFilePointerEx.
        LONG high = static_cast<LONG>(offset >> 32);
        DWORD low = SetFilePointer(h_.get(), static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
        if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return false;
        const char* p = static_cast<const char*>(data);
        while (size > 0) {
            DWORD chunk = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
            DWORD put = 0;
            if (!WriteFile(h_.get(), p, chunk, &put, nullptr) || put == 0) return false;
            p += put;
            size -= put;
        }
        return true;
    }
    bool Close() override {
        if (!h_) return true;
        bool ok = CloseHandle(h_.release()) != 0;
        return ok;
    }

private:
    fw::Handle h_;
};

}  // namespace

std::unique_ptr<ByteReader> ReaderOnHandle(HANDLE h) { return std::unique_ptr<ByteReader>(new HandleReader(h)); }

std::unique_ptr<ByteReader> WinFileSystem::OpenRead(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return ReaderOnHandle(h);
}

std::unique_ptr<ByteReader> OpenReadAt(const std::string& path, uint64_t offset) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    std::unique_ptr<ByteReader> reader = ReaderOnHandle(h);  // closes it
    LONG high = static_cast<LONG>(offset >> 32);
    DWORD low = SetFilePointer(h, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
    if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return nullptr;
    return reader;
}

std::unique_ptr<FileWriter> WinFileSystem::Create(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::unique_ptr<FileWriter>(new HandleWriter(h));
}

void WinFileSystem::Remove(const std::string& path) { DeleteFileA(path.c_str()); }

}  // namespace jpeg
