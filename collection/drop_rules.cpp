// Classification of dropped paths.
#include "collection/drop_rules.h"
#include "collection/file_kind.h"

namespace mov {

namespace {
bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}
}  // namespace

DropVerdict ClassifyDrop(std::string_view path, bool lhaAvailable, bool isFolder) {
    if (path.size() > kMaxGroupPath) return DropVerdict::Refused;
    if (EndsWith(path, ".BMP") || EndsWith(path, ".bmp")) return DropVerdict::NotAFolder;
    if (IsArchiveName(path) && lhaAvailable) return DropVerdict::Archive;
    if (isFolder) return DropVerdict::Folder;
    return DropVerdict::Refused;
}

std::string DropRefusalText(std::string_view path, DropVerdict verdict) {
    switch (verdict) {
    case DropVerdict::NotAFolder:
        return std::string(path) + " はフォルダでは有りません";
    case DropVerdict::Refused:
        return std::string(path) + " は壁紙フォルダ／書庫ではないので登録できません。";
    default:
        return std::string();
    }
}

}  // namespace mov
