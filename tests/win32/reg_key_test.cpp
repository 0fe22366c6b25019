// The registry wrapper against Wine's real registry.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "framework/reg_key.h"

namespace {

const char kTestKey[] = "Software\\Farnwick\\MovAni32Test\\RegKey";

class RegKeyTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey); }
};

TEST_F(RegKeyTest, CreateMakesTheKeyWithTheDwordClass) {
    fw::RegKey k;
    ASSERT_EQ(k.Create(HKEY_CURRENT_USER, kTestKey), ERROR_SUCCESS);
    char cls[64] = {};
    DWORD clsLen = sizeof cls;
    ASSERT_EQ(RegQueryInfoKeyA(k.get(), cls, &clsLen, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(cls, "REG_DWORD");
}

TEST_F(RegKeyTest, StringsCountTheirTerminatingZero) {
    {
        fw::RegKey k;
        ASSERT_EQ(k.Create(HKEY_CURRENT_USER, kTestKey), ERROR_SUCCESS);
        ASSERT_EQ(k.SetString("Change", "Rand2"), ERROR_SUCCESS);
        ASSERT_EQ(k.SetString("Empty", ""), ERROR_SUCCESS);
    }  // closed here; the values must survive
    fw::RegKey k;
    ASSERT_EQ(k.Open(HKEY_CURRENT_USER, kTestKey), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ASSERT_EQ(k.QueryInfo("Change", type, size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 6u);
    ASSERT_EQ(k.QueryInfo("Empty", type, size), ERROR_SUCCESS);
    EXPECT_EQ(size, 1u);
    std::string s;
    ASSERT_EQ(k.QueryString("Change", s), ERROR_SUCCESS);
    EXPECT_EQ(s, "Rand2");
}

TEST_F(RegKeyTest, DwordsRoundTripAndReadOverTheDefault) {
    fw::RegKey k;
    ASSERT_EQ(k.Create(HKEY_CURRENT_USER, kTestKey), ERROR_SUCCESS);
    ASSERT_EQ(k.SetDword("Interval", 15), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ASSERT_EQ(k.QueryInfo("Interval", type, size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
    int32_t v = 99;
    ASSERT_EQ(k.QueryDword("Interval", v), ERROR_SUCCESS);
    EXPECT_EQ(v, 15);
    // An absent value leaves the default alone.
    v = 7;
    EXPECT_NE(k.QueryDword("Missing", v), ERROR_SUCCESS);
    EXPECT_EQ(v, 7);
}

TEST_F(RegKeyTest, WrongTypesAndSizesDoNotOverrun) {
    fw::RegKey k;
    ASSERT_EQ(k.Create(HKEY_CURRENT_USER, kTestKey), ERROR_SUCCESS);
    // 8 bytes where a 4-byte number is expected: refused, default kept.
    const unsigned char eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(RegSetValueExA(k.get(), "Big", 0, REG_BINARY, eight, 8), ERROR_SUCCESS);
    int32_t v = 5;
    EXPECT_EQ(k.QueryDword("Big", v), ERROR_MORE_DATA);
    EXPECT_EQ(v, 5);
    // A 300-byte word does not fit the 255-byte text buffer.
    std::string longWord(299, 'x');
    ASSERT_EQ(k.SetString("Long", longWord), ERROR_SUCCESS);
    std::string s = "kept";
    EXPECT_EQ(k.QueryString("Long", s), ERROR_MORE_DATA);
    EXPECT_EQ(s, "kept");
    // A string with no terminating zero stays within the buffer.
    ASSERT_EQ(RegSetValueExA(k.get(), "NoZero", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3),
              ERROR_SUCCESS);
    ASSERT_EQ(k.QueryString("NoZero", s), ERROR_SUCCESS);
    EXPECT_EQ(s, "abc");
}

TEST_F(RegKeyTest, ClosedKeyFailsCleanly) {
    fw::RegKey k;
    EXPECT_EQ(k.SetDword("x", 1), ERROR_INVALID_HANDLE);
    std::string s;
    EXPECT_EQ(k.QueryString("x", s), ERROR_INVALID_HANDLE);
}

}  // namespace
