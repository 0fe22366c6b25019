// Conversion of one file to another through a temporary file beside the target.
#include "components/jpeg/convert_file.h"

namespace jpeg {

std::string TempPathFor(const std::string& bmpPath) { return bmpPath + ".jpgtmp"; }

FileStatus ConvertJpegFile(FileSystem& fs, const std::string& jpegPath, const std::string& bmpPath,
                           const ConvertOptions& options) {
    if (jpegPath.empty() || bmpPath.empty()) return FileStatus::kNoSource;
    std::unique_ptr<ByteReader> in = fs.OpenRead(jpegPath);
    if (!in) return FileStatus::kNoSource;
    const std::string temp = TempPathFor(bmpPath);
    std::unique_ptr<FileWriter> out = fs.Create(temp);
    if (!out) return FileStatus::kNoTemp;
    ConvertStatus status = ConvertJpegToBmp(*in, *out, options);
    bool closed = out->Close();
    in.reset();  // the source may be the target itself
    if (status != ConvertStatus::kOk || !closed) {
        fs.Remove(temp);
        return FileStatus::kConvertFailed;
    }
    if (!fs.Replace(temp, bmpPath)) {
        fs.Remove(temp);
        return FileStatus::kReplaceFailed;
    }
    return FileStatus::kOk;
}

}  // namespace jpeg
