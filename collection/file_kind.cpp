// Extension tests shared by the scan, the change cycle and drop registration.
#include "collection/file_kind.h"
#include <initializer_list>

namespace mov {
namespace {

// A name shorter than the spelling is compared whole, so it never matches.
bool EndsWithAny(std::string_view name, std::initializer_list<std::string_view> spellings) {
    for (std::string_view s : spellings) {
        if (name.size() >= s.size() && name.substr(name.size() - s.size()) == s) return true;
    }
    return false;
}

}  // namespace

bool IsBitmapName(std::string_view n) { return EndsWithAny(n, {".BMP", ".bmp", ".Bmp"}); }
bool IsJpegName(std::string_view n) {
    return EndsWithAny(n, {".JPG", ".jpg", ".Jpg", ".JPEG", ".jpeg", ".Jpeg"});
}
bool IsShortJpegName(std::string_view n) { return EndsWithAny(n, {".JPG", ".jpg", ".Jpg"}); }
bool IsShortcutName(std::string_view n) { return EndsWithAny(n, {".lnk", ".LNK"}); }
bool IsArchiveName(std::string_view n) { return EndsWithAny(n, {".LZH", ".lzh", ".Lzh"}); }

FileKind KindOfName(std::string_view n) {
    if (IsBitmapName(n)) return FileKind::Bitmap;
    if (IsJpegName(n)) return FileKind::Jpeg;
    if (IsShortcutName(n)) return FileKind::Shortcut;
    if (IsArchiveName(n)) return FileKind::Archive;
    return FileKind::Other;
}

}  // namespace mov
