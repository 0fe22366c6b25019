// lhasa's own test corpus (archives from about twenty real archivers) listed and unpacked by
// our core, member by member against what the lhasa program itself unpacks.
#include <fnmatch.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>
#include "components/lha/lha_archive.h"
#include "components/lha/lha_ops.h"
#include "lha_test_archives.h"

namespace fs = std::filesystem;

namespace {

// Every member where we differ from lhasa on purpose. Both fields are fnmatch patterns: the
// archive under test/archives, and the member as lhasa writes it or as we list it ('/'
// between folders). Each row must still match something, so the table cannot go stale.
struct ByDesign {
    const char* archive;
    const char* member;
    const char* reason;
};
const ByDesign kByDesign[] = {
    {"regression/badterm.lzh", "tmp/*", "control characters (a terminal escape) in the name"},
    {"regression/dotdot.lzh", "evil?.txt", "'..' folders: lhasa folds them away, we refuse the member"},
    {"regression/truncated.lzh", "gpl-2", "data cut short: lhasa keeps a partial file, we write nothing"},
    {"lha_unix114i/h?_symlink*.lzh", "*symlink", "a link: a Windows folder gets files only"},
    {"regression/symlink[23].lzh", "etc", "lhasa's empty stand-in for a link that leads out; we make no links"},
    {"regression/symlink[23].lzh", "etc/passwd",
     "lhasa will not write through its stand-in; with no link made it is a plain file inside the target"},
};

std::string CorpusDir() {
    const char* deps = std::getenv("MOV_DEPS_SRC");
    if (!deps) return "";
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(std::string(deps) + "/lhasa", ec)) {
        fs::path archives = e.path() / "test" / "archives";
        bool package = e.path().filename().string().rfind("lhasa-", 0) == 0;
        if (package && fs::is_directory(archives)) return fs::absolute(archives);
    }
    return "";
}

// The name as a Windows folder tells names apart: trailing dots and blanks dropped from
// every part, and ASCII case folded (lhasa writes all-capital MS-DOS names in lower case).
std::string WindowsName(const std::string& path) {
    std::string out, part;
    auto flush = [&] {
        while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
        out += part;
        part.clear();
    };
    for (char c : path) {
        if (c == '/') {
            flush();
            out.push_back('/');
        } else {
            part.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        }
    }
    flush();
    return out;
}

// Regular files and links under root, by the name Windows gives their relative path.
std::map<std::string, fs::path> Tree(const fs::path& root) {
    std::map<std::string, fs::path> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (it->is_symlink() || it->is_regular_file()) files[WindowsName(fs::relative(it->path(), root))] = it->path();
    }
    return files;
}

TEST(LhaCorpus, EveryArchiveUnpacksLikeLhasa) {
    const std::string corpus = CorpusDir();
    ASSERT_FALSE(corpus.empty()) << "no lhasa source package under $MOV_DEPS_SRC/lhasa (scripts/build fetches it)";
    std::vector<fs::path> archives;
    for (const auto& e : fs::recursive_directory_iterator(corpus))
        if (e.is_regular_file() && e.path().filename() != "README") archives.push_back(e.path());
    std::sort(archives.begin(), archives.end());
    ASSERT_GT(archives.size(), 100u);

    char tmpl[] = "/tmp/lha_corpus_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const fs::path work = tmpl;
    lha::Options opt;
    opt.separator = '/';
    std::vector<int> rowUsed(std::size(kByDesign));
    size_t compared = 0, identical = 0, byDesign = 0, alike = 0;
    for (const fs::path& archive : archives) {
        const std::string rel = fs::relative(archive, corpus).string();
        SCOPED_TRACE(rel);
        const fs::path theirs = work / "lhasa", ours = work / "ours";
        fs::remove_all(theirs);
        fs::remove_all(ours);
        fs::create_directories(theirs);
        fs::create_directories(ours);
        // lhasa's exit code only says whether a member failed; what it wrote is what counts.
        const std::string lhasa = "cd '" + theirs.string() + "' && lhasa xq2f '" + archive.string() + "'";
        std::system((lhasa + " </dev/null >/dev/null 2>&1").c_str());
        const std::map<std::string, fs::path> want = Tree(theirs);

        lha::FileSource src(archive.string());
        ASSERT_TRUE(src.ok());
        lha::Listing listing = lha::ReadListing(src, opt.lead, opt.limits);
        std::set<std::string> listed;
        for (const lha::Member& m : listing.members) {
            if (!m.offered) continue;
            EXPECT_EQ(lha::UnpackMember(archive.string(), ours.string() + "/", m.name, opt), lha::Status::kOk)
                << m.name;
            std::string slash = m.name;
            std::replace(slash.begin(), slash.end(), '\\', '/');
            listed.insert(WindowsName(slash));
        }
        const std::map<std::string, fs::path> got = Tree(ours);
        EXPECT_EQ(got.size(), listed.size());  // one file for every listed name, and nothing else

        std::set<std::string> all = listed;
        for (const auto& w : want) all.insert(w.first);
        const size_t identicalBefore = identical;
        for (const std::string& member : all) {
            ++compared;
            auto w = want.find(member), g = got.find(member);
            if (w != want.end() && g != got.end() && !fs::is_symlink(w->second)) {
                bool same = lhatest::ReadFile(w->second) == lhatest::ReadFile(g->second);
                EXPECT_TRUE(same) << member << ": bytes differ";
                identical += same;
                continue;
            }
            bool expected = false;
            for (size_t i = 0; i < std::size(kByDesign); ++i) {
                const ByDesign& row = kByDesign[i];
                if (fnmatch(row.archive, rel.c_str(), 0) == 0 && fnmatch(row.member, member.c_str(), 0) == 0) {
                    expected = true;
                    ++rowUsed[i];
                }
            }
            byDesign += expected;
            EXPECT_TRUE(expected) << member << (w != want.end() ? ": lhasa unpacks it, we do not" : ": only we do");
        }
        alike += identical - identicalBefore == all.size();
    }
    for (size_t i = 0; i < std::size(kByDesign); ++i)
        EXPECT_GT(rowUsed[i], 0) << "by design, but never met: " << kByDesign[i].archive << " " << kByDesign[i].member;
    fs::remove_all(work);
    std::printf("lhasa corpus: %zu archives (%zu wholly alike), %zu members compared, %zu identical, "
                "%zu differ by design\n", archives.size(), alike, compared, identical, byDesign);
}

}  // namespace
