// Member output through the C runtime: sub-folders, the file, and clean removal on failure.
#include "lha_folder_sink.h"
#include <cerrno>
#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lha {
namespace {

// 1: made now, 0: already there, -1: failed.
int MakeFolder(const std::string& path) {
#ifdef _WIN32
    if (_mkdir(path.c_str()) == 0) return 1;
#else
    if (mkdir(path.c_str(), 0777) == 0) return 1;
#endif
    return errno == EEXIST ? 0 : -1;
}

void RemoveFolder(const std::string& path) {
#ifdef _WIN32
    _rmdir(path.c_str());
#else
    rmdir(path.c_str());
#endif
}

}  // namespace

FolderSink::FolderSink(std::string folder, const LeadBytes& lead, char separator, size_t maxPath, bool keepFolders)
    : folder_(std::move(folder)), lead_(lead), sep_(separator), maxPath_(maxPath), keepFolders_(keepFolders) {}

FolderSink::~FolderSink() {
    if (file_) Discard();
}

bool FolderSink::Begin(const std::string& name, uint64_t) {
    std::vector<std::string> parts;
    if (file_ || !SplitName(name, lead_, &parts) || parts.back().empty()) return false;
    if (!keepFolders_) parts.erase(parts.begin(), parts.end() - 1);
    std::string path = folder_;
    if (!path.empty() && FolderLength(path, lead_) != path.size()) path.push_back(sep_);
    size_t total = path.size();
    for (const std::string& p : parts) total += p.size() + 1;
    if (maxPath_ && total - 1 > maxPath_) return false;
    made_.clear();
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        path += parts[i];
        int r = MakeFolder(path);
        if (r < 0) {
            RemoveMadeFolders();
            return false;
        }
        if (r > 0) made_.push_back(path);
        path.push_back(sep_);
    }
    path += parts.back();
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) {
        RemoveMadeFolders();
        return false;
    }
    path_ = path;
    return true;
}

bool FolderSink::Write(const uint8_t* data, size_t len) {
    return file_ && std::fwrite(data, 1, len, file_) == len;
}

bool FolderSink::Finish() {
    if (!file_) return false;
    int rc = std::fclose(file_);
    file_ = nullptr;
    if (rc != 0) {
        std::remove(path_.c_str());
        RemoveMadeFolders();
        return false;
    }
    made_.clear();
    return true;
}

void FolderSink::Discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
        std::remove(path_.c_str());
    }
    RemoveMadeFolders();
}

void FolderSink::RemoveMadeFolders() {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) RemoveFolder(*it);
    made_.clear();
}

}  // namespace lha
