// Word tables of the stored choices. Codes are positions in the tables.
#include "settings/settings_words.h"
#include <cstring>
#include "settings/settings_codes.h"

namespace mov {
namespace {
const char* const kNoYes[] = {"No", "Yes"};
const char* const kSc[] = {"Both", "Only", "No"};
const char* const kChange[] = {"Auto", "Rand", "Rand2", "No"};
const char* const kAdjust[] = {"No", "Yes", "Auto", "Smart", "Smart2"};
const char* const kPos[] = {"Center", "Right", "Left"};
const char* const kInactive[] = {"None", "ScreenSaver"};
const char* const kButton[] = {"No", "Next", "Prev", "Inact", "Tile", "Hide"};
const char* const kActive[] = {"Both", "Active", "Standerd"};
}  // namespace

// Codes are positions in the tables: see settings_codes.h.
static_assert(kChangeRand2 == 2 && kAdjustSmart2 == 4 && kButtonHide == 5 && kDesktopStandard == 2 && kSmartLeft == 2 &&
                  kScNo == 2,
              "word tables follow the codes");

const WordField kSCenabledWords{kSc, 3, "Both", kScBoth, kScBoth};
// Yes unless stored otherwise (JPEGRead, IconOn), and No unless stored otherwise.
const WordField kYesNoWords{kNoYes, 2, "Yes", 0, 1};
const WordField kNoYesWords{kNoYes, 2, "No", 0, 0};
const WordField kChangeWords{kChange, 4, "Auto", kChangeAuto, kChangeAuto};
const WordField kAdjustWords{kAdjust, 5, "No", kAdjustNo, kAdjustNo};
const WordField kSmartPosWords{kPos, 3, "Center", kSmartCenter, kSmartCenter};
// Absent reads as the empty text, which is no word: code 0.
const WordField kInactiveWords{kInactive, 2, "", 0, 0};
const WordField kWrightButtonWords{kButton, 6, "Next", kButtonHide, kButtonHide};
// Absent gives "Standerd", but a present unknown word gives "Both".
const WordField kActiveDeskTopModeWords{kActive, 3, "Standerd", kDesktopBoth, kDesktopStandard};

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
