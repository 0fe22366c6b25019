// The hidden-start switch: which command lines hide the main window.
#include <gtest/gtest.h>
#include "ui/command_line.h"

TEST(CommandLine, HiddenOnlyForLinesOfDashesAndOneLetterCase) {
    const struct {
        const char* line;
        bool hidden;
    } cases[] = {
        {"", false},        {"-S", true},       {"-s", true},      {"--SS", true},
        {"S", true},        {"-", true},        {"-S -s", false},  {"/S", false},
        {"/s", false},      {"-S-s", false},    {"-x", false},     {"picture.lst", false},
        {" -S", false},     {"-Ss", false},     {"ss--", true},    {"-s -s", false},
    };
    for (const auto& c : cases) EXPECT_EQ(mov::StartsHidden(c.line), c.hidden) << "'" << c.line << "'";
}
