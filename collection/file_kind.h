// File kinds by extension: the last four characters (five for ".JPEG") compared exactly,
// case-sensitively, against fixed spellings only. "a.bMp" is no bitmap.
#pragma once
#include <string_view>

namespace mov {

enum class FileKind { Other, Bitmap, Jpeg, Shortcut, Archive };

bool IsBitmapName(std::string_view name);    // ".BMP" ".bmp" ".Bmp"
bool IsJpegName(std::string_view name);      // ".JPG" ".jpg" ".Jpg" ".JPEG" ".jpeg" ".Jpeg"
bool IsShortJpegName(std::string_view name); // ".JPG" ".jpg" ".Jpg": archive lines, shortcut targets
bool IsShortcutName(std::string_view name);  // ".lnk" ".LNK"
bool IsArchiveName(std::string_view name);   // ".LZH" ".lzh" ".Lzh"

FileKind KindOfName(std::string_view name);

}  // namespace mov
