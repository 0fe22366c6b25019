// Integer dialog fields: which texts are integers, and the refusal texts.
#include <gtest/gtest.h>
#include <climits>
#include "framework/dialog_int.h"

TEST(DialogInt, AcceptsBlanksAroundASignedNumberOnly) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"0", true, 0},         {"60", true, 60},        {" 61 ", true, 61},       {"\t-5", true, -5},
        {"+7", true, 7},        {"2147483647", true, INT_MAX}, {"-2147483648", true, INT_MIN},
        {"2147483648", false, 0}, {"99999999999999999999", false, 0},
        {"abc", false, 0},      {"", false, 0},          {"  ", false, 0},         {"-", false, 0},
        {"12a", false, 0},      {"1 2", false, 0},       {"0x10", false, 0},       {"1.5", false, 0},
    };
    for (const Case& c : cases) {
        int v = 12345;
        EXPECT_EQ(fw::ParseDialogInt(c.text, v), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(v, c.ok ? c.value : 12345) << '"' << c.text << '"';
    }
}

TEST(DialogInt, RefusalTexts) {
    EXPECT_EQ(fw::NotAnIntegerText(), "整数を入力してください。");
    EXPECT_EQ(fw::IntRangeText(0, 60), "0 から 60 までの整数を入力してください。");
    EXPECT_EQ(fw::IntRangeText(0, 65535), "0 から 65535 までの整数を入力してください。");
}
