// Archive operations on files, built from the listing and extraction core.
#include "lha_ops.h"
#include <cstdio>
#include "lha_command_line.h"
#include "lha_folder_sink.h"

namespace lha {
namespace {

bool WriteWholeFile(const std::string& path, const std::string& text) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return (std::fclose(f) == 0) && ok;
}

}  // namespace

Status ListToFile(const std::string& archive, const std::string& listFile, const Options& opt) {
    size_t maxName = kMaxName;
    if (opt.maxPath) {
        size_t folder = FolderLength(listFile, opt.lead);  // includes its separator
        maxName = folder < opt.maxPath ? opt.maxPath - folder : 0;
        if (maxName > kMaxName) maxName = kMaxName;
    }
    std::string text;
    Status st;
    FileSource src(archive);
    if (!src.ok()) {
        st = Status::kOpenFailed;
    } else {
        Listing listing = ReadListing(src, opt.lead, opt.limits);
        text = ListText(listing, maxName);
        st = listing.status;
    }
    if (!WriteWholeFile(listFile, text)) return Status::kWriteFailed;
    return st;
}

Status UnpackMember(const std::string& archive, const std::string& folder, const std::string& member,
                    const Options& opt, bool keepFolders) {
    FileSource src(archive);
    if (!src.ok()) return Status::kOpenFailed;
    FolderSink sink(folder, opt.lead, opt.separator, opt.maxPath, keepFolders);
    return ExtractMember(src, opt.lead, opt.limits, member, sink);
}

Status TestFile(const std::string& archive, const Options& opt) {
    FileSource src(archive);
    if (!src.ok()) return Status::kOpenFailed;
    return TestArchive(src, opt.lead, opt.limits);
}

Status RunCommand(const std::string& commandLine, const Options& opt, std::string* output) {
    output->clear();
    std::vector<std::string> w = SplitCommandLine(commandLine);
    size_t i = 1;
    while (i < w.size() && !w[i].empty() && w[i][0] == '-') ++i;  // switches
    if (w.empty() || i >= w.size()) return Status::kBadCommand;
    const std::string cmd = w[0];
    const std::string& archive = w[i++];
    std::string folder;
    std::vector<std::string> members;
    for (; i < w.size(); ++i) {
        if (folder.empty() && !w[i].empty() && FolderLength(w[i], opt.lead) == w[i].size())
            folder = w[i];
        else
            members.push_back(w[i]);
    }

    if (cmd == "l" || cmd == "v" || cmd == "x" || cmd == "e") {
        FileSource src(archive);
        if (!src.ok()) return Status::kOpenFailed;
        Listing listing = ReadListing(src, opt.lead, opt.limits);
        if (cmd == "l" || cmd == "v") {
            *output = ListText(listing, kMaxName);
            return listing.status;
        }
        if (members.empty()) {
            for (const Member& m : listing.members)
                if (m.offered) members.push_back(m.name);
            if (members.empty()) return listing.status == Status::kOk ? Status::kNotFound : listing.status;
        }
        Status first = Status::kOk;
        for (const std::string& m : members) {
            Status st = UnpackMember(archive, folder, m, opt, cmd == "x");
            if (st == Status::kOk) {
                *output += m;
                *output += "\r\n";
            } else if (first == Status::kOk) {
                first = st;
            }
        }
        return first;
    }
    if (cmd == "t") return TestFile(archive, opt);
    return Status::kBadCommand;
}

}  // namespace lha
