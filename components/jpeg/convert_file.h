// Converts a JPEG file into a BMP file without ever leaving a half-written target.
#pragma once
#include "components/jpeg/file_system.h"
#include "components/jpeg/jpeg_convert.h"

namespace jpeg {

enum class FileStatus { kOk, kNoSource, kNoTemp, kConvertFailed, kReplaceFailed };

// Writes a temporary file beside `bmpPath` and moves it over `bmpPath` only when the
// conversion succeeded; otherwise the temporary file is removed and the target keeps
// its previous contents.
FileStatus ConvertJpegFile(FileSystem& fs, const std::string& jpegPath, const std::string& bmpPath,
                           const ConvertOptions& options = {});

// The temporary file used for `bmpPath`.
std::string TempPathFor(const std::string& bmpPath);

}  // namespace jpeg
