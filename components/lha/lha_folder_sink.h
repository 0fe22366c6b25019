// Writes an unpacked member under a folder, making its sub-folders, and removes it all again
// when the member turns out bad.
#pragma once
#include <cstdio>
#include <string>
#include <vector>
#include "lha_archive.h"

namespace lha {

class FolderSink : public Sink {
public:
    // separator: '\\' on Windows, '/' elsewhere. maxPath: longest path allowed (0: no limit).
    // keepFolders false writes only the last part of the name into the folder itself.
    FolderSink(std::string folder, const LeadBytes& lead, char separator, size_t maxPath, bool keepFolders = true);
    ~FolderSink() override;

    bool Begin(const std::string& name, uint64_t size) override;
    bool Write(const uint8_t* data, size_t len) override;
    bool Finish() override;
    void Discard() override;

    const std::string& path() const { return path_; }

private:
    void RemoveMadeFolders();

    std::string folder_;
    LeadBytes lead_;
    char sep_;
    size_t maxPath_;
    bool keepFolders_;
    std::string path_;
    std::FILE* file_ = nullptr;
    std::vector<std::string> made_;  // folders this member created, outermost first
};

}  // namespace lha
