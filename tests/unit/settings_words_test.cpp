// Stored words and their codes: exact matching, fall-backs and the words saved per code.
#include <gtest/gtest.h>
#include "settings/settings_words.h"

namespace {
using namespace mov;

TEST(SettingsWords, MatchingIsExactAndCaseSensitive) {
    EXPECT_EQ(CodeOfWord(kChange, "Rand2"), 2);
    EXPECT_EQ(CodeOfWord(kChange, "rand"), 0);
    EXPECT_EQ(CodeOfWord(kChange, "Rand "), 0);
    EXPECT_EQ(CodeOfWord(kAdjust, "Smart2"), 4);
    EXPECT_EQ(CodeOfWord(kJPEGRead, "YES"), 0);
    EXPECT_EQ(CodeOfWord(kInactive, "ScreenSaver"), 1);
    EXPECT_EQ(CodeOfWord(kInactive, ""), 0);
    // Shift-JIS text whose trail bytes look like ASCII letters is no word.
    EXPECT_EQ(CodeOfWord(kSmartPos, "\x83\x4c"), 0);
}

TEST(SettingsWords, FallBacksDifferByField) {
    EXPECT_EQ(CodeOfWord(kWrightButton, "Middle"), 5);
    EXPECT_EQ(CodeOfWord(kWrightButton, kWrightButton.absent), 1);
    EXPECT_EQ(CodeOfWord(kActiveDeskTopMode, "Standard"), 0);
    EXPECT_EQ(CodeOfWord(kActiveDeskTopMode, kActiveDeskTopMode.absent), 2);
}

TEST(SettingsWords, SavedWordsForEveryCode) {
    EXPECT_STREQ(WordOfCode(kSCenabled, 1), "Only");
    EXPECT_STREQ(WordOfCode(kSCenabled, 7), "Both");
    EXPECT_STREQ(WordOfCode(kJPEGRead, 0), "No");
    EXPECT_STREQ(WordOfCode(kJPEGRead, 5), "Yes");
    EXPECT_STREQ(WordOfCode(kIconOn, -1), "Yes");
    EXPECT_STREQ(WordOfCode(kFrontMaxChange, 2), "No");
    EXPECT_STREQ(WordOfCode(kInactive, 0), "None");
    EXPECT_STREQ(WordOfCode(kWrightButton, 9), "Hide");
    EXPECT_STREQ(WordOfCode(kActiveDeskTopMode, 2), "Standerd");
    EXPECT_STREQ(WordOfCode(kActiveDeskTopMode, -3), "Standerd");
    // Every word reads back as the code it was saved for.
    for (const WordField* f : {&kSCenabled, &kChange, &kAdjust, &kSmartPos, &kWrightButton, &kActiveDeskTopMode})
        for (int c = 0; c < f->count; ++c) EXPECT_EQ(CodeOfWord(*f, WordOfCode(*f, c)), c) << f->name;
}

}  // namespace
