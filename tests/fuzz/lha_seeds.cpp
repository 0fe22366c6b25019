// Writes the fuzz target's seed archives: hand-made headers of every level with hostile,
// Shift-JIS, rooted, dotted, damaged and oversized members. Usage: lha_seeds OUTDIR
#include <string>
#include <vector>
#include "../unit/lha_test_archives.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string dir = argv[1];
    using lhatest::Entry;
    auto make = [](const std::string& name, const std::string& data, int level, const std::string& folder = "") {
        Entry e;
        e.name = name;
        e.data = data;
        e.level = level;
        e.folder = folder;
        return e;
    };
    Entry bad = make("bad.bmp", "crc", 1);
    bad.badCrc = true;
    Entry big = make("big.bmp", "x", 2);
    big.declaredSize = 1 << 30;
    Entry folderEntry = make("", "", 2, "sub\xFF");
    folderEntry.method = "-lhd-";
    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"levels.lzh", lhatest::Archive({make("a.bmp", "level zero", 0), make("b.bmp", "level one", 1, "d\xFF"),
                                         make("c.bmp", "level two", 2, "sub\xFFinner\xFF")})},
        {"hostile.lzh", lhatest::Archive({make("..\\..\\evil.bmp", "e", 0), make("C:\\x.bmp", "c", 1),
                                          make("CON.bmp", "n", 2), make("x", "y", 2, "..\xFF"),
                                          make("com1.bmp", "m", 0), make("LPT9 .x", "l", 1)})},
        {"sjis.lzh", lhatest::Archive({make("\x95\x5C\x8E\xA6.bmp", "hyouji", 0), make("\x83\x7C.bmp", "po", 2)})},
        {"renamed.lzh", lhatest::Archive({make("\\sub\\x.bmp", "rooted", 0), make("x.bmp", "r", 2, "\xFFsub\xFF"),
                                          make("gpl-2.", "dot", 2), make("a. ", "a1", 1), make("a", "a2", 2)})},
        {"damaged.lzh", lhatest::Archive({bad, big, folderEntry}, false)},
    };
    for (const auto& [name, bytes] : seeds)
        if (!lhatest::WriteFile(dir + "/" + name, bytes)) return 1;
    return 0;
}
