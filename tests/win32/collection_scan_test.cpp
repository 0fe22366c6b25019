// The scan into real list boxes: folder listing by patterns, shortcuts, archives through an
// outside lister with the busy handshake, the "Rand2" staging, and the missing list file.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <cstring>
#include "collection/list_boxes.h"
#include "collection/runtime_rand.h"
#include "collection/shortcut_file.h"
#include "collection_fixture.h"
#include "settings/busy_flag.h"
#include "settings/settings_codes.h"

namespace {

using collectiontest::CollectionTest;
using collectiontest::MakeShortcut;
using testsupport::WriteBmp;
using testsupport::WriteBytes;
using V = std::vector<std::string>;

class ScanTest : public CollectionTest {
protected:
    // a.bmp, b.lnk (to a .jpg), c.JPG, d.jpeg, and what must stay out: a shortcut to a
    // ".jpeg", one to a missing file, one to a text file, a text file and a folder.
    void FillFolder() {
        WriteBmp(folder.file("a.bmp"), 4, 4);
        WriteBytes(targets.file("x.jpg"), {0xff, 0xd8, 0xff});
        WriteBytes(targets.file("y.jpeg"), {0xff, 0xd8, 0xff});
        WriteBytes(targets.file("gone.bmp"), {'B', 'M'});
        WriteBytes(targets.file("t.txt"), {'t'});
        ASSERT_TRUE(MakeShortcut(folder.file("b.lnk"), targets.file("x.jpg")));
        ASSERT_TRUE(MakeShortcut(folder.file("f.lnk"), targets.file("y.jpeg")));
        ASSERT_TRUE(MakeShortcut(folder.file("g.lnk"), targets.file("gone.bmp")));
        ASSERT_TRUE(MakeShortcut(folder.file("h.lnk"), targets.file("t.txt")));
        DeleteFileA(targets.file("gone.bmp").c_str());
        WriteBytes(folder.file("c.JPG"), {0xff, 0xd8, 0xff});
        WriteBytes(folder.file("d.jpeg"), {0xff, 0xd8, 0xff});
        WriteBytes(folder.file("e.txt"), {'e'});
        CreateDirectoryA(folder.file("sub.bmp").c_str(), nullptr);
        groups.Append(folder.path(), false);
    }
};

TEST_F(ScanTest, FolderListsBitmapsThenShortcutsThenJpegs) {
    FillFolder();
    // The shell's own shortcut resolves to its target.
    mov::ShortcutTarget t = mov::ResolveShortcut(folder.file("b.lnk"), settings.OsKind);
    EXPECT_EQ(t.kind, 2);
    EXPECT_EQ(t.path, targets.file("x.jpg"));

    scan.scanDone = false;
    scan.Scan(false);
    EXPECT_TRUE(scan.scanDone);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"a.bmp", "b.lnk", "c.JPG", "d.jpeg"}));
    EXPECT_EQ(positions.DirPos, 0);
    EXPECT_TRUE(Items(IDC_RANDOM_LIST).empty());
    EXPECT_EQ(Items(IDC_SCRATCH_LIST), (V{"d.jpeg"}));  // the last pattern's names
    // The listing leaves the group's folder as the current directory.
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof cwd, cwd);
    EXPECT_EQ(lstrcmpiA(cwd, folder.path().c_str()), 0) << cwd;
}

TEST_F(ScanTest, ShortcutSettingsAndJpegSwitches) {
    FillFolder();
    settings.SCenabled = mov::kScOnly;  // "Only"
    scan.Scan(false);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"b.lnk"}));

    settings.SCenabled = mov::kScNo;  // "No"
    scan.Scan(false);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"a.bmp", "c.JPG", "d.jpeg"}));

    settings.SCenabled = mov::kScBoth;
    settings.JPEGRead = 0;  // a shortcut to a JPEG is still taken
    scan.Scan(false);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"a.bmp", "b.lnk"}));

    settings.JPEGRead = 1;
    settings.JpegAvailable = 0;
    scan.Scan(false);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"a.bmp", "b.lnk"}));
}

TEST_F(ScanTest, ShortcutIntoAShiftJisFolderIsListed) {
    const std::string sub = targets.file("\x95\x5C");  // 表: its second byte is a backslash
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    WriteBmp(sub + "\\a.bmp", 2, 2);
    ASSERT_TRUE(MakeShortcut(folder.file("s.lnk"), sub + "\\a.bmp"));
    EXPECT_EQ(mov::ResolveShortcut(folder.file("s.lnk"), settings.OsKind).path, sub + "\\a.bmp");
    groups.Append(folder.path(), false);
    scan.Scan(false);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"s.lnk"}));
    DeleteFileA((sub + "\\a.bmp").c_str());
    RemoveDirectoryA(sub.c_str());
}

// The shortcut file is read whole when it is not empty and at most kMaxShortcutFile long;
// padding after the shell's record does not change the target.
TEST_F(ScanTest, ShortcutFilesAreReadUpToTheSizeLimit) {
    WriteBmp(targets.file("a.bmp"), 2, 2);
    ASSERT_TRUE(MakeShortcut(folder.file("real.lnk"), targets.file("a.bmp")));
    const std::vector<unsigned char> lnk = testsupport::ReadBytes(folder.file("real.lnk"));
    ASSERT_FALSE(lnk.empty());
    struct Case {
        const char* name;
        size_t size;  // 0: an empty file
        int kind;
    } cases[] = {
        {"as_made.lnk", lnk.size(), 1},
        {"at_limit.lnk", mov::kMaxShortcutFile, 1},
        {"over_limit.lnk", mov::kMaxShortcutFile + 1, 0},
        {"empty.lnk", 0, 0},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> bytes;
        if (c.size) {
            bytes = lnk;
            bytes.resize(c.size, 0);
        }
        ASSERT_TRUE(WriteBytes(folder.file(c.name), bytes));
        mov::ShortcutTarget t = mov::ResolveShortcut(folder.file(c.name), settings.OsKind);
        EXPECT_EQ(t.kind, c.kind) << c.name;
        EXPECT_EQ(t.path, c.kind ? targets.file("a.bmp") : "") << c.name;
    }
    EXPECT_EQ(mov::ResolveShortcut(folder.file("missing.lnk"), settings.OsKind).kind, 0);
}

TEST_F(ScanTest, HiddenAndReadOnlyBitmapsAreListedInASortedBox) {
    settings.BMPSort = 1;
    MakeWindows();
    for (const char* n : {"z.bmp", "m.Bmp", "b.BMP"}) WriteBmp(folder.file(n), 2, 2);
    WriteBytes(folder.file("k.JPG"), {0xff});
    SetFileAttributesA(folder.file("z.bmp").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(folder.file("m.Bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    groups.Append(folder.path(), false);
    scan.Scan(false);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"b.BMP", "k.JPG", "m.Bmp", "z.bmp"}));
}

TEST_F(ScanTest, SelectedGroupIsScannedAndAMissingFolderListsNothing) {
    FillFolder();
    WriteBmp(other.file("o.bmp"), 2, 2);
    groups.Append(other.path(), false);
    groups.Append(folder.path() + "\\no-such-folder", false);
    mov::LbSelect(parent, IDC_GROUP_LIST, 1);
    scan.Scan(false);
    EXPECT_EQ(positions.DirPos, 1);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"o.bmp"}));

    // A folder that is gone: nothing of the earlier listing may come back.
    mov::LbSelect(parent, IDC_GROUP_LIST, 2);
    scan.Scan(false);
    EXPECT_EQ(positions.DirPos, 2);
    EXPECT_TRUE(Items(IDC_FILE_LIST).empty());
    EXPECT_TRUE(scan.scanDone);
}

TEST_F(ScanTest, NoGroupsLeavesTheFileListAsItWas) {
    mov::LbAdd(parent, IDC_FILE_LIST, "kept.bmp");
    scan.scanDone = false;
    scan.Scan(false);
    EXPECT_TRUE(scan.scanDone);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"kept.bmp"}));
}

TEST_F(ScanTest, Rand2ShufflesFromTheSeedReproducibly) {
    for (int i = 0; i < 12; ++i) WriteBmp(folder.file("p" + std::to_string(i) + ".bmp"), 2, 2);
    groups.Append(folder.path(), false);
    scan.Scan(false);
    const V staged = Items(IDC_FILE_LIST);  // the order the listing gives
    ASSERT_EQ(staged.size(), 12u);

    settings.Change = mov::kChangeRand2;
    MakeWindows();
    groups.Remove(0);
    groups.Append(folder.path(), false);
    positions.RandSeed = 777;
    scan.Scan(true);
    mov::Lcg rng;
    const V shuffled = Items(IDC_FILE_LIST);
    EXPECT_EQ(shuffled, mov::ShuffleEntries(staged, 777, rng));
    EXPECT_TRUE(Items(IDC_RANDOM_LIST).empty());
    EXPECT_EQ(positions.RandSeed, 777);
    scan.Scan(true);
    EXPECT_EQ(Items(IDC_FILE_LIST), shuffled);

    // A fresh seed from the clock.
    clock.Sleep(4242000);
    scan.Scan(false);
    EXPECT_EQ(positions.RandSeed, 4242);
    EXPECT_EQ(Items(IDC_FILE_LIST), mov::ShuffleEntries(staged, 4242, rng));
}

class ArchiveScanTest : public ScanTest {
protected:
    void SetUp() override {
        ScanTest::SetUp();
        listFile = temp.file("MovList.tmp");
    }
    std::string archive(const std::string& name, const std::string& members) {
        std::string p = other.file(name);
        WriteBytes(p, std::vector<unsigned char>(members.begin(), members.end()));
        groups.Append(p, true);
        return p;
    }
    std::string listFile;
};

TEST_F(ArchiveScanTest, ListerOutputIsFilteredAndTheFileStays) {
    EXPECT_EQ(mov::FolderScan::ListFilePath(settings), listFile);
    archive("pics.lzh", "a.bmp\r\nb.bMP\r\nc.jpg\r\nd.Bmp\r\ne.jpeg\r\nf.lnk\r\n");
    scan.scanDone = false;
    scan.Scan(false);
    EXPECT_TRUE(scan.scanDone);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"a.bmp", "c.jpg", "d.Bmp"}));
    EXPECT_TRUE(testsupport::FileExists(listFile));
    EXPECT_TRUE(mov::BusyFlagCleared());
    EXPECT_GE(clock.sleeps, 1);  // one second before the first poll
    EXPECT_LT(clock.sleeps, 61);
    EXPECT_TRUE(reports.empty());

    settings.SCenabled = mov::kScOnly;  // shortcuts only: an archive gives nothing
    scan.Scan(false);
    EXPECT_TRUE(Items(IDC_FILE_LIST).empty());
}

TEST_F(ArchiveScanTest, ListingThatWritesNothingNeverShowsTheLastArchive) {
    archive("first.lzh", "old.bmp\r\n");
    scan.Scan(false);
    ASSERT_EQ(Items(IDC_FILE_LIST), (V{"old.bmp"}));

    // The second "archive" does not exist: the lister writes no list file.
    groups.Append(other.file("missing.lzh"), true);
    mov::LbSelect(parent, IDC_GROUP_LIST, 1);
    scan.scanDone = false;
    scan.Scan(false);
    EXPECT_TRUE(Items(IDC_FILE_LIST).empty());
    EXPECT_EQ(reports, (V{listFile}));
    EXPECT_TRUE(scan.scanDone);
}

TEST_F(ArchiveScanTest, ListerThatCannotStartIsNotWaitedFor) {
    WriteBytes(listFile, {'o', '.', 'b', 'm', 'p', '\n'});  // left by an earlier listing
    archive("pics.lzh", "a.bmp\r\n");
    scan.SetListProgram("no-such-lister.exe");
    scan.Scan(false);
    EXPECT_EQ(clock.sleeps, 0);
    EXPECT_TRUE(Items(IDC_FILE_LIST).empty());
    EXPECT_EQ(reports, (V{listFile}));
}

// A failed listing is told at every scan the user asks for; the countdown's ticks tell each
// archive once, until that archive lists again or the document is renewed.
TEST_F(ArchiveScanTest, FailedListingIsToldToTheUserAlwaysAndToTheTimerOncePerArchive) {
    archive("good.lzh", "a.bmp\r\n");
    const std::string broken = other.file("broken.lzh");  // no file: the lister writes nothing
    groups.Append(broken, true);
    groups.Append(other.file("broken2.lzh"), true);
    const auto user = mov::ScanCaller::kUser, timer = mov::ScanCaller::kTimer;
    struct { int group; mov::ScanCaller caller; size_t told; } steps[] = {
        {1, user, 1}, {1, timer, 1}, {1, user, 2},    // the start-up load, a tick, a double-click
        {2, timer, 3}, {1, timer, 3}, {2, timer, 3},  // ticks alternating between two broken ones
        {0, timer, 3}, {1, timer, 3},                 // another archive listing forgets neither
    };
    for (const auto& s : steps) {
        mov::LbSelect(parent, IDC_GROUP_LIST, s.group);
        scan.Scan(false, s.caller);
        EXPECT_EQ(reports.size(), s.told) << "step " << &s - steps;
    }
    WriteBytes(broken, {'b', '.', 'b', 'm', 'p'});  // it lists once, then breaks again
    mov::LbSelect(parent, IDC_GROUP_LIST, 1);
    scan.Scan(false, timer);
    DeleteFileA(broken.c_str());
    scan.Scan(false, timer);
    EXPECT_EQ(reports.size(), 4u);
    scan.ForgetReports();  // a renewal
    mov::LbSelect(parent, IDC_GROUP_LIST, 2);
    scan.Scan(false, timer);
    EXPECT_EQ(reports.size(), 5u);
}

// The LHA program itself, built beside the tests, on a real archive made by lha.
TEST_F(ArchiveScanTest, RealLhaProgramListsARealArchive) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string bin(exe);
    bin.resize(bin.find_last_of('\\'));
    ASSERT_TRUE(testsupport::FileExists(bin + "\\MeltLha.exe"));
    scan.SetListProgram("MeltLha.exe");
    groups.Append(bin + "\\testdata\\pics.lzh", true);
    scan.Scan(false);
    EXPECT_EQ(Items(IDC_FILE_LIST), (V{"a.bmp", "c.jpg", "d.Bmp"}));
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(mov::BusyFlagCleared());
}

// The real report: a modal box, closed by a timer that runs inside its message loop.
TEST_F(ArchiveScanTest, MissingListFileIsReportedInAMessageBoxNamingIt) {
    scan.SetFileErrorReport(nullptr);
    groups.Append(other.file("missing.lzh"), true);
    testsupport::SeenBox seen = testsupport::AnswerMessageBox(IDOK, [&] { scan.Scan(false); });
    EXPECT_NE(seen.text.find(listFile), std::string::npos) << seen.text;
    EXPECT_TRUE(Items(IDC_FILE_LIST).empty());
}

}  // namespace
