// The file system of jpegfilt.dll and Jpeg2bmp.exe: the bitmap is replaced in one step.
#include "components/jpeg/win_file_system.h"

namespace jpeg {

namespace {

class NtFileSystem : public WinFileSystem {
public:
    bool Replace(const std::string& from, const std::string& to) override {
        if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) return true;
        // Windows 9x has MoveFileExA only as a stub: delete, then move.
        if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
        DeleteFileA(to.c_str());
        return MoveFileA(from.c_str(), to.c_str()) != 0;
    }
};

}  // namespace

FileSystem& HostFileSystem() {
    static NtFileSystem fs;
    return fs;
}

}  // namespace jpeg
