// The file system of jpegfilt95.dll: Windows 9x cannot replace a file in one step, so the old
// bitmap is moved aside first and put back when the new one cannot take its place.
#include "components/jpeg/win_file_system.h"

namespace jpeg {

namespace {

class Win9xFileSystem : public WinFileSystem {
public:
    bool Replace(const std::string& from, const std::string& to) override {
        if (GetFileAttributesA(to.c_str()) == INVALID_FILE_ATTRIBUTES) return MoveFileA(from.c_str(), to.c_str()) != 0;
        const std::string aside = to + ".jpgold";
        DeleteFileA(aside.c_str());
        if (!MoveFileA(to.c_str(), aside.c_str())) return false;
        if (MoveFileA(from.c_str(), to.c_str())) {
            DeleteFileA(aside.c_str());
            return true;
        }
        MoveFileA(aside.c_str(), to.c_str());
        return false;
    }
};

}  // namespace

FileSystem& HostFileSystem() {
    static Win9xFileSystem fs;
    return fs;
}

}  // namespace jpeg
