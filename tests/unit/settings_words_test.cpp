// Stored words and their codes (exact matching, fall-backs, the words saved per code), and
// the table of stored settings against the record's defaults, and values of any type.
#include <gtest/gtest.h>
#include <string>
#include "settings/settings_codes.h"
#include "settings/settings_fields.h"
#include "settings/settings_load.h"
#include "settings/settings_words.h"

namespace {
using namespace mov;

TEST(SettingsWords, MatchingIsExactWithPerFieldFallBacks) {
    struct { const WordField& words; std::string text; int code; } table[] = {
        {kChangeWords, "Rand2", kChangeRand2},
        {kChangeWords, "rand", kChangeAuto},
        {kChangeWords, "Rand ", kChangeAuto},
        {kAdjustWords, "Smart2", kAdjustSmart2},
        {kYesNoWords, "YES", 0},
        {kInactiveWords, "ScreenSaver", 1},
        {kInactiveWords, "", 0},
        {kSmartPosWords, "\x83\x4c", kSmartCenter},  // Shift-JIS whose trail byte looks like a letter
        {kWrightButtonWords, "Middle", kButtonHide},
        {kWrightButtonWords, kWrightButtonWords.absent, kButtonNext},
        {kActiveDeskTopModeWords, "Standard", kDesktopBoth},
        {kActiveDeskTopModeWords, kActiveDeskTopModeWords.absent, kDesktopStandard},
    };
    for (const auto& row : table) EXPECT_EQ(CodeOfWord(row.words, row.text), row.code) << row.text;
}

TEST(SettingsWords, SavedWordsForEveryCode) {
    struct { const WordField& words; int code; const char* word; } table[] = {
        {kSCenabledWords, kScOnly, "Only"},   {kSCenabledWords, 7, "Both"},
        {kYesNoWords, 0, "No"},               {kYesNoWords, 5, "Yes"},
        {kYesNoWords, -1, "Yes"},             {kNoYesWords, 2, "No"},
        {kInactiveWords, 0, "None"},          {kWrightButtonWords, 9, "Hide"},
        {kActiveDeskTopModeWords, kDesktopStandard, "Standerd"}, {kActiveDeskTopModeWords, -3, "Standerd"},
    };
    for (const auto& row : table) EXPECT_STREQ(WordOfCode(row.words, row.code), row.word) << row.code;
    // Every word reads back as the code it was saved for.
    for (const StoredSetting& f : kStoredSettings) {
        for (int c = 0; f.word && c < f.word->count; ++c)
            EXPECT_EQ(CodeOfWord(*f.word, WordOfCode(*f.word, c)), c) << f.name;
    }
}

TEST(StoredSettings, AbsentWordsLoadAsTheRecordsDefaults) {
    const SettingsRecord defaults;
    for (const StoredSetting& f : kStoredSettings) {
        if (!f.word) continue;
        EXPECT_EQ(CodeOfWord(*f.word, f.word->absent), defaults.*f.field) << f.name;
    }
}

TEST(StoredSettings, ValuesOfAnyTypeLoadByTheProgramsRules) {
    const StoredSetting* change = nullptr;
    const StoredSetting* interval = nullptr;
    for (const StoredSetting& f : kStoredSettings) {
        if (std::string(f.name) == "Change") change = &f;
        if (std::string(f.name) == "Interval") interval = &f;
    }
    ASSERT_TRUE(change && interval);
    const SettingsRecord s;
    using V = fw::RegValue;
    struct { const StoredSetting* f; V v; int code; const char* why; } table[] = {
        {change, {fw::kValueBinary, std::string("Rand\0junk", 9)}, kChangeRand, "any type, text up to the zero"},
        {change, {fw::kValueText, std::string(255, 'x')}, kChangeAuto, "a full buffer is still a word"},
        {change, {fw::kValueText, "Rand" + std::string(252, '\0')}, kChangeAuto, "too long: absent, Auto"},
        {interval, {fw::kValueDword, std::string("\x10\0\0\0", 4)}, 16, "a 4-byte number"},
        {interval, {fw::kValueNone, std::string("\xff\xff\xff\xff", 4)}, -1, "no range at load"},
        {interval, {fw::kValueText, std::string("1\0\0\0", 4)}, 2, "a text is no number: default"},
        {interval, {fw::kValueDword, std::string("\x10\0", 2)}, 2, "a short number: default"},
    };
    for (const auto& row : table) EXPECT_EQ(LoadedSetting(*row.f, &row.v, s), row.code) << row.why;
    EXPECT_EQ(LoadedSetting(*interval, nullptr, s), 2);
}

}  // namespace
