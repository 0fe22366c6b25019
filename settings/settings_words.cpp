// Word tables of the stored choices. Codes are positions in the tables.
#include "settings/settings_words.h"
#include <cstring>

namespace mov {
namespace {
const char* const kNoYes[] = {"No", "Yes"};
const char* const kScWords[] = {"Both", "Only", "No"};
const char* const kChangeWords[] = {"Auto", "Rand", "Rand2", "No"};
const char* const kAdjustWords[] = {"No", "Yes", "Auto", "Smart", "Smart2"};
const char* const kPosWords[] = {"Center", "Right", "Left"};
const char* const kInactiveWords[] = {"None", "ScreenSaver"};
const char* const kButtonWords[] = {"No", "Next", "Prev", "Inact", "Tile", "Hide"};
const char* const kActiveWords[] = {"Both", "Active", "Standerd"};
}  // namespace

const WordField kSCenabled{"SCenabled", kScWords, 3, "Both", 0, 0};
const WordField kJPEGRead{"JPEGRead", kNoYes, 2, "Yes", 0, 1};
const WordField kFrontMaxChange{"FrontMaxChange", kNoYes, 2, "No", 0, 0};
const WordField kIconOn{"IconOn", kNoYes, 2, "Yes", 0, 1};
const WordField kChange{"Change", kChangeWords, 4, "Auto", 0, 0};
const WordField kAdjust{"Adjust", kAdjustWords, 5, "No", 0, 0};
const WordField kSmartPos{"SmartPos", kPosWords, 3, "Center", 0, 0};
const WordField kTiledatRight{"TiledatRight", kNoYes, 2, "No", 0, 0};
// Absent reads as the empty text, which is no word: code 0.
const WordField kInactive{"Inactive", kInactiveWords, 2, "", 0, 0};
const WordField kWrightButton{"WrightButton", kButtonWords, 6, "Next", 5, 5};
// Absent gives "Standerd" (2), but a present unknown word gives 0.
const WordField kActiveDeskTopMode{"ActiveDeskTopMode", kActiveWords, 3, "Standerd", 0, 2};

int CodeOfWord(const WordField& field, const std::string& text) {
    // Stored texts end at their first zero byte; the words are plain ASCII, so a byte
    // comparison of the whole text is also a double-byte-safe one.
    const char* t = text.c_str();
    for (int i = 0; i < field.count; ++i)
        if (std::strcmp(t, field.words[i]) == 0) return i;
    return field.fallback;
}

const char* WordOfCode(const WordField& field, int code) {
    if (code >= 0 && code < field.count) return field.words[code];
    return field.words[field.saveOther];
}

}  // namespace mov
