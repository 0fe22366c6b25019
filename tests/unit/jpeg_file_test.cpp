// File-level conversion: the target is replaced only by a complete bitmap.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "components/jpeg/command_line.h"
#include "components/jpeg/convert_file.h"
#include "image/bmp.h"
#include "test_support.h"

using namespace testsupport;

namespace {

TEST(JpegFile, FailedConversionLeavesTheTargetByteIdentical) {
    ScratchDir dir("jpeg_keep");
    std::string good = dir / "good.jpg", bad = dir / "bad.jpg", target = dir / "work.BMP";
    ASSERT_TRUE(Shell("/usr/bin/convert -size 40x30 gradient:red-blue -quality 90 " + Quote(good)));
    ASSERT_EQ(jpeg::ConvertJpegFile(jpeg::HostFileSystem(), good, target), jpeg::FileStatus::kOk);
    const std::vector<uint8_t> before = ReadFile(target);
    ASSERT_GT(before.size(), 54u);

    std::vector<uint8_t> cut = ReadFile(good);
    cut.resize(100);  // header incomplete: nothing to decode
    WriteFile(bad, cut);
    EXPECT_EQ(jpeg::ConvertJpegFile(jpeg::HostFileSystem(), bad, target), jpeg::FileStatus::kConvertFailed);
    EXPECT_EQ(ReadFile(target), before);
    EXPECT_EQ(jpeg::ConvertJpegFile(jpeg::HostFileSystem(), dir / "none.jpg", target), jpeg::FileStatus::kNoSource);
    EXPECT_EQ(ReadFile(target), before);
    EXPECT_FALSE(Exists(jpeg::TempPathFor(target)));

    // A target folder that cannot take the temporary file: refused, nothing written.
    std::string locked = dir / "locked";
    ASSERT_EQ(mkdir(locked.c_str(), 0555), 0);
    if (geteuid() != 0) {  // root writes anywhere
        EXPECT_EQ(jpeg::ConvertJpegFile(jpeg::HostFileSystem(), good, locked + "/x.bmp"), jpeg::FileStatus::kNoTemp);
    }
}

TEST(JpegFile, ConvertingOverItsOwnSourceWorks) {
    ScratchDir dir("jpeg_self");
    std::string f = dir / "pic.jpg";
    ASSERT_TRUE(Shell("/usr/bin/convert -size 8x8 xc:orange -quality 90 " + Quote(f)));
    ASSERT_EQ(jpeg::ConvertJpegFile(jpeg::HostFileSystem(), f, f), jpeg::FileStatus::kOk);
    mov::BmpInfo info;
    ASSERT_EQ(mov::ProbeBmpFile(f.c_str(), &info), mov::BmpStatus::Ok);
    EXPECT_EQ(info.width, 8);
}

TEST(JpegCommandLine, PathsAsTheMainProgramQuotesThem) {
    std::string a, b;
    ASSERT_TRUE(jpeg::ParseConverterCommandLine("Jpeg2bmp.exe \"C:\\My Pictures\\a b.jpg\" \"C:\\TEMP\\user.BMP\"", a, b));
    EXPECT_EQ(a, "C:\\My Pictures\\a b.jpg");
    EXPECT_EQ(b, "C:\\TEMP\\user.BMP");
    // A backslash before the closing quote is part of the path, not an escape.
    ASSERT_TRUE(jpeg::ParseConverterCommandLine("Jpeg2bmp.exe \"C:\\dir\\\" \"D:\\\"", a, b));
    EXPECT_EQ(a, "C:\\dir\\");
    EXPECT_EQ(b, "D:\\");
    // Shift-JIS: "表" is 0x95 0x5C, its trail byte a backslash.
    ASSERT_TRUE(jpeg::ParseConverterCommandLine("x \"C:\\\x95\x5C\\p.jpg\" \"o.bmp\"  ", a, b));
    EXPECT_EQ(a, "C:\\\x95\x5C\\p.jpg");
    // The program path itself may be quoted, or unquoted with blanks in it.
    ASSERT_TRUE(jpeg::ParseConverterCommandLine("\"C:\\Program Files\\J\\Jpeg2bmp.exe\" \"s\" \"t\"", a, b));
    EXPECT_EQ(a + b, "st");
    ASSERT_TRUE(jpeg::ParseConverterCommandLine("C:\\Program Files\\Jpeg2bmp.exe\t\"s\" \"t\"", a, b));
    EXPECT_EQ(a + b, "st");
    // Unquoted paths without blanks are taken as they are.
    ASSERT_TRUE(jpeg::ParseConverterCommandLine("Jpeg2bmp.exe s.jpg t.bmp", a, b));
    EXPECT_EQ(a + "|" + b, "s.jpg|t.bmp");
}

TEST(JpegCommandLine, WrongArgumentsAreRefused) {
    std::string a = "keep", b = "keep";
    for (const char* line : {"", "Jpeg2bmp.exe", "Jpeg2bmp.exe \"only\"", "Jpeg2bmp.exe \"a\" \"\"",
                             "Jpeg2bmp.exe \"\" \"b\"", "\"a\" \"b\"", "Jpeg2bmp.exe \"a\" \"b\" \"c\"",
                             "Jpeg2bmp.exe \"a\" \"b", "Jpeg2bmp.exe \"a\"\"b\"", "   "}) {
        EXPECT_FALSE(jpeg::ParseConverterCommandLine(line, a, b)) << line;
    }
    EXPECT_FALSE(jpeg::ParseConverterCommandLine(nullptr, a, b));
    EXPECT_EQ(a + b, "keepkeep");
}

}  // namespace
