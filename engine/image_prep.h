// Preparing a picture for the desktop: JPEG to bitmap, and the smart fit.
#pragma once
#include <string>
#include "settings/settings_record.h"

namespace mov {

// Converts the JPEG picture `source` into the work bitmap, whose path goes to `bitmap`.
// Through "Jpeg2bmp.exe" and the busy handshake on Windows 9x or with the 9x reader,
// else through "jpegfilt.dll". Always 1: whether the bitmap was written is not known here.
int ConvertJpeg(const SettingsRecord& s, const std::string& source, std::string& bitmap);

// Has "QuilletDll.dll" turn the work bitmap into a screen-shaped one in place
// (`_Quillet2` for kAdjustSmart2, else `_Quillet`). 1 when the library loaded, else 0.
// Without an output from the library the work bitmap keeps the unfitted picture.
int SmartFit(const SettingsRecord& s, int adjust, int position);

}  // namespace mov
