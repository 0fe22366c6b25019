// Splitting plain-quoted command lines and reading MeltLha.exe's two forms.
#include "lha_command_line.h"

namespace lha {

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> words;
    std::string cur;
    bool inWord = false, quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) words.push_back(cur);
            cur.clear();
            inWord = false;
        } else {
            cur.push_back(c);
            inWord = true;
        }
    }
    if (inWord) words.push_back(cur);
    return words;
}

MeltArgs ParseMeltArgs(std::string_view commandLine) {
    std::vector<std::string> w = SplitCommandLine(commandLine);
    MeltArgs a;
    if (w.size() == 3 && !w[1].empty() && !w[2].empty()) {
        a.kind = MeltArgs::kList;
        a.archive = w[1];
        a.listFile = w[2];
    } else if (w.size() == 4 && !w[1].empty() && !w[3].empty()) {
        a.kind = MeltArgs::kUnpack;
        a.archive = w[1];
        a.folder = w[2];
        a.member = w[3];
    }
    return a;
}

}  // namespace lha
