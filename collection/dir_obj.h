// One registered group: a folder or an LHA archive, with its path exactly as registered.
#pragma once
#include <string>

class CDirObj {
public:
    CDirObj(std::string registeredPath, bool isArchive) : path(std::move(registeredPath)), archive(isArchive) {}
    virtual ~CDirObj() = default;

    std::string path;  // as the shell or the registry gave it: no slash added, no case folded
    bool archive = false;  // an LHA archive, else a folder
};
