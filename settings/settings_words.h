// The words under which choices are stored, and their codes in memory.
#pragma once
#include <string>

namespace mov {

struct WordField {
    const char* const* words;  // words[i] loads as code i
    int count;
    const char* absent;        // text used when the value is absent
    int fallback;              // code of any other text
    int saveOther;             // index of the word saved for a code outside 0..count-1
};

// The words of each kind of choice (settings_fields.h says which setting uses which).
extern const WordField kSCenabledWords, kYesNoWords, kNoYesWords, kChangeWords, kAdjustWords, kSmartPosWords,
    kInactiveWords, kWrightButtonWords, kActiveDeskTopModeWords;

// Exact, case-sensitive match of the whole text against the field's words.
int CodeOfWord(const WordField& field, const std::string& text);
// The word stored for a code.
const char* WordOfCode(const WordField& field, int code);

}  // namespace mov
