// Whether the drive a path lies on is there, asked without the system's "insert a disk" box.
#pragma once
#include <string>

namespace mov {

// A drive letter in use whose root can be read (a removable or optical drive holds a
// medium), or a share that answers. A path that names no drive counts as on a present one.
bool DriveOfPathPresent(const std::string& path);

// An existing folder (the directory attribute), not a plain file.
bool IsFolder(const std::string& path);

// While it lives, a drive without its medium fails the calls made on it instead of asking
// for a disk in a system box.
class NoDiskPrompts {
public:
    NoDiskPrompts();
    ~NoDiskPrompts();
    NoDiskPrompts(const NoDiskPrompts&) = delete;
    NoDiskPrompts& operator=(const NoDiskPrompts&) = delete;

private:
    unsigned mode_;
};

}  // namespace mov
