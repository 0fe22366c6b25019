// Preparing a picture for the desktop: JPEG to bitmap, and the smart fit.
#pragma once
#include <string>
#include "engine/placement.h"
#include "settings/settings_record.h"

namespace mov {

// The size of the screen the wallpaper is made for (the desktop window's). False when unknown.
bool ScreenSize(int32_t* width, int32_t* height);

// What a conversion made of the picture.
struct ConvertedJpeg {
    PictureSize own;           // the picture's own size, upright, where its headers give it
    bool screenSized = false;  // the bitmap holds only what the screen shows, or is scaled down for it
};

// Converts the JPEG picture `source` into the work bitmap, whose path goes to `bitmap`.
// Through "Jpeg2bmp.exe" and the busy handshake on Windows 9x or with the 9x reader,
// else through "jpegfilt.dll". Always 1: whether the bitmap was written is not known here.
// With `made`, a picture that the screen shows only in part (centred, larger) or that is
// fitted or stretched to it is converted only as far as the screen needs, through the
// library's JpegToBmpRegion where it has one; the placement is decided on its own size.
int ConvertJpeg(const SettingsRecord& s, const std::string& source, std::string& bitmap, ConvertedJpeg* made = nullptr);

// Has "QuilletDll.dll" turn the work bitmap into a screen-shaped one in place
// (`_Quillet2` for kAdjustSmart2, else `_Quillet`). 1 when the library loaded, else 0.
// Without an output from the library the work bitmap keeps the unfitted picture.
int SmartFit(const SettingsRecord& s, int adjust, int position);

}  // namespace mov
