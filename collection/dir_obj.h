// One registered group: a folder or an LHA archive, with its path exactly as registered.
#pragma once
#include <string>

class CDirObj {
public:
    CDirObj(std::string registeredPath, int archiveFlag)
        : path(std::move(registeredPath)), archive(archiveFlag) {}
    virtual ~CDirObj() = default;

    std::string path;  // as the shell or the registry gave it: no slash added, no case folded
    int archive = 0;   // 1: an LHA archive, 0: a folder
};
