// Listing, unpacking and testing archives: hand-made hostile ones and real ones made by jlha.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>
#include "components/lha/lha_archive.h"
#include "components/lha/lha_folder_sink.h"
#include "components/lha/lha_ops.h"
#include "lha_test_archives.h"

namespace {

using lha::Status;
using lhatest::Entry;

const lha::LeadBytes kSjis = lha::ShiftJisLeadBytes();
const std::string kGazou = "\x89\xE6\x91\x9C.bmp";           // 画像.bmp in Shift-JIS
const std::string kGazouUtf8 = "\xE7\x94\xBB\xE5\x83\x8F.bmp";  // its name on this disk

struct MemorySink : lha::Sink {
    std::string name, data;
    bool begun = false, finished = false, discarded = false;
    bool Begin(const std::string& n, uint64_t) override { name = n; begun = true; return true; }
    bool Write(const uint8_t* p, size_t len) override { data.append(reinterpret_cast<const char*>(p), len); return true; }
    bool Finish() override { finished = true; return true; }
    void Discard() override { discarded = true; data.clear(); }
};

lha::Listing List(const std::string& bytes, const lha::Limits& limits = {}) {
    lha::MemorySource src(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return lha::ReadListing(src, kSjis, limits);
}

Status Extract(const std::string& bytes, const std::string& name, lha::Sink& sink, const lha::Limits& limits = {}) {
    lha::MemorySource src(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return lha::ExtractMember(src, kSjis, limits, name, sink);
}

Entry Make(const std::string& name, const std::string& data, int level = 2) {
    Entry e;
    e.name = name;
    e.data = data;
    e.level = level;
    return e;
}

class TempDir {
public:
    TempDir() {
        char tmpl[] = "/tmp/lha_test_XXXXXX";
        path_ = mkdtemp(tmpl);
    }
    ~TempDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& rel) const { return path_ + "/" + rel; }

private:
    std::string path_;
};

bool Exists(const std::string& p) {
    struct stat st;
    return stat(p.c_str(), &st) == 0;
}

TEST(LhaArchive, ListingOffersOnlySafeWholeUniqueFiles) {
    Entry folder = Make("", "", 2);
    folder.method = "-lhd-";
    folder.folder = "sub\xFF";
    std::string arc = lhatest::Archive({
        Make("pic.bmp", "first", 0),
        Make("..\\..\\evil.bmp", "evil", 0),
        Make("C:\\x.bmp", "drive", 1),
        Make(kGazou, "gazou", 2),
        folder,
        Make("pic.bmp", "second", 2),
        Make("CON.bmp", "device", 1),
    });
    lha::Listing l = List(arc);
    EXPECT_EQ(l.status, Status::kOk);
    EXPECT_EQ(l.members.size(), 7u);
    EXPECT_EQ(lha::ListText(l, lha::kMaxName), "pic.bmp\r\n" + kGazou + "\r\n");

    MemorySink sink;
    EXPECT_EQ(Extract(arc, "pic.bmp", sink), Status::kOk);
    EXPECT_EQ(sink.data, "first");  // the one listed is the one unpacked
    EXPECT_TRUE(sink.finished);
    MemorySink sj;
    EXPECT_EQ(Extract(arc, kGazou, sj), Status::kOk);
    EXPECT_EQ(sj.data, "gazou");
    for (const char* hostile : {"..\\..\\evil.bmp", "C:\\x.bmp", "CON.bmp", "evil.bmp", "sub"}) {
        MemorySink none;
        EXPECT_EQ(Extract(arc, hostile, none), Status::kNotFound) << hostile;
        EXPECT_FALSE(none.begun);
    }
    // Names too long for the list file's folder are left out of the list.
    EXPECT_EQ(lha::ListText(l, 7), "pic.bmp\r\n");
}

TEST(LhaArchive, NamesAreListedAndUnpackedAsWindowsWouldCreateThem) {
    std::string arc = lhatest::Archive({
        Make("\\sub\\x.bmp", "rooted", 0),
        Make("gpl-2.", "gpl", 2),
        Make("a.", "dotted a", 2),  // Windows makes both of these "a": the stored "a" wins
        Make("a", "plain a", 1),
        Make("c", "plain c", 1),
        Make("c ", "blank c", 2),
        Make("b.", "b1", 2),  // two renamed into one: neither
        Make("b ", "b2", 2),
    });
    EXPECT_EQ(lha::ListText(List(arc), lha::kMaxName), "sub\\x.bmp\r\ngpl-2\r\na\r\nc\r\n");
    const std::pair<const char*, const char*> found[] = {{"a", "plain a"}, {"c", "plain c"}, {"gpl-2", "gpl"}};
    for (const auto& [name, data] : found) {
        MemorySink sink;
        EXPECT_EQ(Extract(arc, name, sink), Status::kOk) << name;
        EXPECT_EQ(sink.data, data);
    }
    for (const char* name : {"b", "gpl-2.", "a.", "\\sub\\x.bmp"}) {
        MemorySink none;
        EXPECT_EQ(Extract(arc, name, none), Status::kNotFound) << name;
    }

    TempDir dir;
    ASSERT_TRUE(lhatest::WriteFile(dir / "a.lzh", arc));
    ASSERT_EQ(mkdir((dir / "out").c_str(), 0777), 0);
    lha::Options opt;
    opt.separator = '/';
    EXPECT_EQ(lha::UnpackMember(dir / "a.lzh", dir / "out", "sub\\x.bmp", opt), Status::kOk);
    EXPECT_EQ(lhatest::ReadFile(dir / "out/sub/x.bmp"), "rooted");
    EXPECT_FALSE(Exists("/sub/x.bmp"));
}

TEST(LhaArchive, CrcMismatchLeavesNothingBehind) {
    Entry bad = Make("sub\\bad.bmp", std::string(5000, 'b'), 1);
    bad.badCrc = true;
    std::string arc = lhatest::Archive({bad});
    MemorySink sink;
    EXPECT_EQ(Extract(arc, "sub\\bad.bmp", sink), Status::kCrcError);
    EXPECT_TRUE(sink.discarded);
    EXPECT_FALSE(sink.finished);

    TempDir dir;
    std::string path = dir / "arc.lzh";
    ASSERT_TRUE(lhatest::WriteFile(path, arc));
    lha::Options opt;
    opt.separator = '/';
    EXPECT_EQ(lha::UnpackMember(path, dir.path() + "/", "sub\\bad.bmp", opt), Status::kCrcError);
    EXPECT_FALSE(Exists(dir / "sub/bad.bmp"));
    EXPECT_FALSE(Exists(dir / "sub"));  // the folder made for it goes too
    EXPECT_EQ(lha::TestFile(path, opt), Status::kCrcError);
}

TEST(LhaArchive, CutShortArchivesFailCleanly) {
    std::string good = lhatest::MemberBytes(Make("a.bmp", "aaaa"));
    std::string second = lhatest::MemberBytes(Make("b.bmp", std::string(1000, 'b')));
    // Data of the second member cut short: the first is still listed and unpacks.
    std::string cutBody = good + second.substr(0, second.size() - 10);
    lha::Listing l = List(cutBody);
    EXPECT_EQ(l.status, Status::kDamaged);
    EXPECT_EQ(lha::ListText(l, lha::kMaxName), "a.bmp\r\n");
    MemorySink a, b;
    EXPECT_EQ(Extract(cutBody, "a.bmp", a), Status::kOk);
    EXPECT_EQ(Extract(cutBody, "b.bmp", b), Status::kDamaged);
    EXPECT_FALSE(b.begun);
    // Header cut short.
    lha::Listing h = List(good + second.substr(0, 15));
    EXPECT_EQ(h.status, Status::kDamaged);
    EXPECT_EQ(lha::ListText(h, lha::kMaxName), "a.bmp\r\n");
    // Garbage where the next header should be.
    EXPECT_EQ(List(good + "garbage that is no header at all").status, Status::kDamaged);
    // Without an end mark, the end of the file ends the archive.
    EXPECT_EQ(List(good).status, Status::kOk);
    // Nothing of an archive at all.
    EXPECT_EQ(List("").status, Status::kNotArchive);
    EXPECT_EQ(List("BM this is a bitmap, not an archive").status, Status::kNotArchive);
    MemorySink none;
    EXPECT_EQ(Extract("not an archive", "a.bmp", none), Status::kNotArchive);
}

TEST(LhaArchive, SizeCapStopsBombs) {
    lha::Limits lim;
    EXPECT_EQ(lha::SizeCap(0, lim), 64ull << 20);
    EXPECT_EQ(lha::SizeCap(1 << 20, lim), 256ull << 20);
    EXPECT_EQ(lha::SizeCap(1ull << 32, lim), lim.ceiling);
    // A header claiming far more than its data.
    Entry claim = Make("big.bmp", "tiny");
    claim.declaredSize = 0x7FFFFFFF;
    std::string arc = lhatest::Archive({claim});
    EXPECT_EQ(lha::ListText(List(arc), lha::kMaxName), "");
    MemorySink sink;
    EXPECT_EQ(Extract(arc, "big.bmp", sink), Status::kTooLarge);
    EXPECT_FALSE(sink.begun);
}

std::string Fixtures() {
    const char* bin = std::getenv("MOV_BINARY_DIR");
    return std::string(bin ? bin : ".") + "/lha-fixtures";
}

std::vector<std::string> LhasaNames(const std::string& archive) {
    std::vector<std::string> names;
    std::FILE* p = popen(("lhasa -l '" + archive + "' 2>/dev/null").c_str(), "r");
    if (!p) return names;
    char line[512];
    int rules = 0;
    while (std::fgets(line, sizeof line, p)) {
        std::string s(line);
        if (s.rfind("----", 0) == 0) {
            ++rules;
            continue;
        }
        if (rules != 1) continue;
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
        names.push_back(s.substr(s.find_last_of(' ') + 1));
    }
    pclose(p);
    return names;
}

TEST(LhaArchive, JlhaArchivesListAndUnpackLikeLhasaItself) {
    const std::string fx = Fixtures();
    ASSERT_TRUE(Exists(fx + "/.done")) << "fixtures missing in " << fx;
    const std::vector<std::string> expected = {"pic.bmp", "sub\\deep.bmp", kGazou, "noise.jpg"};
    const std::vector<std::pair<std::string, std::string>> originals = {
        {"pic.bmp", "pic.bmp"}, {"sub\\deep.bmp", "sub/deep.bmp"}, {kGazou, kGazouUtf8}, {"noise.jpg", "noise.jpg"}};
    lha::Options opt;
    opt.separator = '/';
    for (const char* name : {"lv0.lzh", "lv1.lzh", "lv2.lzh", "lh6.lzh", "lh7.lzh", "stored.lzh"}) {
        SCOPED_TRACE(name);
        const std::string arc = fx + "/" + name;
        lha::FileSource src(arc);
        ASSERT_TRUE(src.ok());
        lha::Listing l = lha::ReadListing(src, kSjis, {});
        EXPECT_EQ(l.status, Status::kOk);
        std::vector<std::string> ours;
        for (const auto& m : l.members)
            if (m.offered) ours.push_back(m.name);
        EXPECT_EQ(ours, expected);
        // The lhasa program's own listing agrees on every ASCII name ('/' between folders).
        std::vector<std::string> theirs = LhasaNames(arc);
        ASSERT_EQ(theirs.size(), ours.size());
        for (size_t i = 0; i < ours.size(); ++i) {
            if (ours[i] == kGazou) continue;
            std::string slash = ours[i];
            std::replace(slash.begin(), slash.end(), '\\', '/');
            EXPECT_EQ(theirs[i], slash);
        }

        TempDir out;
        std::string listFile = out / "MovList.tmp";
        EXPECT_EQ(lha::ListToFile(arc, listFile, opt), Status::kOk);
        EXPECT_EQ(lhatest::ReadFile(listFile), "pic.bmp\r\nsub\\deep.bmp\r\n" + kGazou + "\r\nnoise.jpg\r\n");
        for (const auto& [member, disk] : originals) {
            EXPECT_EQ(lha::UnpackMember(arc, out.path() + "/", member, opt), Status::kOk) << member;
            std::string want = lhatest::ReadFile(fx + "/files/" + disk);
            ASSERT_FALSE(want.empty());
            std::string gotPath = out / (member == kGazou ? kGazou : disk);
            EXPECT_TRUE(lhatest::ReadFile(gotPath) == want) << member;
        }
        EXPECT_EQ(lha::TestFile(arc, opt), Status::kOk);
    }
}

TEST(LhaArchive, HighlyCompressedMembersMeetTheCap) {
    const std::string arc = Fixtures() + "/zeros.lzh";
    lha::FileSource src(arc);
    ASSERT_TRUE(src.ok());
    MemorySink sink;
    EXPECT_EQ(lha::ExtractMember(src, kSjis, {}, "zeros.bmp", sink), Status::kOk);
    EXPECT_EQ(sink.data, std::string(1 << 20, '\0'));
    lha::Limits tight;
    tight.floor = 64 << 10;  // 1 MiB from about 500 bytes is beyond 256 times
    MemorySink capped;
    EXPECT_EQ(lha::ExtractMember(src, kSjis, tight, "zeros.bmp", capped), Status::kTooLarge);
    EXPECT_FALSE(capped.begun);
}

TEST(LhaArchive, ListFileIsRewrittenEvenWhenTheArchiveIsUnreadable) {
    TempDir dir;
    std::string listFile = dir / "MovList.tmp";
    ASSERT_TRUE(lhatest::WriteFile(listFile, "old.bmp\r\n"));
    lha::Options opt;
    EXPECT_EQ(lha::ListToFile(dir / "missing.lzh", listFile, opt), Status::kOpenFailed);
    EXPECT_EQ(lhatest::ReadFile(listFile), "");
    // Names that would not fit the platform's path limit beside the list file are left out.
    ASSERT_TRUE(lhatest::WriteFile(dir / "a.lzh", lhatest::Archive({Make("short.bmp", "s"),
                                                                   Make(std::string(200, 'L') + ".bmp", "l")})));
    opt.maxPath = listFile.size() + 100;
    EXPECT_EQ(lha::ListToFile(dir / "a.lzh", listFile, opt), Status::kOk);
    EXPECT_EQ(lhatest::ReadFile(listFile), "short.bmp\r\n");
}

TEST(LhaArchive, UnpackingRespectsThePathLimit) {
    TempDir dir;
    std::string arc = dir / "a.lzh";
    ASSERT_TRUE(lhatest::WriteFile(arc, lhatest::Archive({Make("sub\\" + std::string(100, 'n') + ".bmp", "x")})));
    lha::Options opt;
    opt.separator = '/';
    opt.maxPath = dir.path().size() + 50;
    EXPECT_EQ(lha::UnpackMember(arc, dir.path(), "sub\\" + std::string(100, 'n') + ".bmp", opt), Status::kWriteFailed);
    EXPECT_FALSE(Exists(dir / "sub"));
}

TEST(LhaArchive, UnlhaCommandStrings) {
    TempDir dir;
    std::string arc = dir / "a b.lzh";
    ASSERT_TRUE(lhatest::WriteFile(arc, lhatest::Archive({Make("one.bmp", "1"), Make("sub\\two.bmp", "22", 1)})));
    lha::Options opt;
    opt.separator = '/';
    std::string out;
    EXPECT_EQ(lha::RunCommand("l -n \"" + arc + "\"", opt, &out), Status::kOk);
    EXPECT_EQ(out, "one.bmp\r\nsub\\two.bmp\r\n");
    EXPECT_EQ(lha::RunCommand("x \"" + arc + "\" \"" + dir.path() + "/x/\"", opt, &out), Status::kWriteFailed);
    mkdir((dir / "x").c_str(), 0777);
    EXPECT_EQ(lha::RunCommand("x \"" + arc + "\" \"" + dir.path() + "/x/\"", opt, &out), Status::kOk);
    EXPECT_EQ(lhatest::ReadFile(dir / "x/sub/two.bmp"), "22");
    mkdir((dir / "e").c_str(), 0777);
    EXPECT_EQ(lha::RunCommand("e \"" + arc + "\" \"" + dir.path() + "/e/\" sub\\two.bmp", opt, &out), Status::kOk);
    EXPECT_EQ(lhatest::ReadFile(dir / "e/two.bmp"), "22");
    EXPECT_EQ(out, "sub\\two.bmp\r\n");
    EXPECT_EQ(lha::RunCommand("t \"" + arc + "\"", opt, &out), Status::kOk);
    EXPECT_EQ(lha::RunCommand("q \"" + arc + "\"", opt, &out), Status::kBadCommand);
    EXPECT_EQ(lha::RunCommand("", opt, &out), Status::kBadCommand);
}

}  // namespace
