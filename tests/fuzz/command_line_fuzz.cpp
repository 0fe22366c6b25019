// Fuzz target: the three programs' command lines (Movani32's hidden-start switch, Jpeg2bmp.exe's
// two paths, MeltLha.exe's two forms), as a C string, the way the programs receive them.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "components/jpeg/command_line.h"
#include "components/lha/lha_command_line.h"
#include "ui/command_line.h"

namespace {

// The switch as the C runtime scans it: strtok with "-S", then with "-s" on the cut text.
bool HiddenByStrtok(std::string line) {
    if (line.empty()) return false;
    std::vector<char> buf(line.begin(), line.end());
    buf.push_back('\0');
    if (std::strtok(buf.data(), "-S") == nullptr) return true;
    return std::strtok(buf.data(), "-s") == nullptr;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

void CheckConverter(const std::string& line) {
    std::string a, b;
    const bool ok = jpeg::ParseConverterCommandLine(line.c_str(), a, b);
    std::string a2, b2;
    Check(ok == jpeg::ParseConverterCommandLine(line.c_str(), a2, b2) && a == a2 && b == b2);
    if (!ok) return;
    Check(!a.empty() && !b.empty() && a.size() + b.size() < line.size());
    Check(line.find(a) != std::string::npos && line.find(b) != std::string::npos);
    Check(a.find('"') == std::string::npos && b.find('"') == std::string::npos);
    // Quoted as the main program writes the line, the paths come back unchanged.
    std::string again;
    Check(jpeg::ParseConverterCommandLine(("Jpeg2bmp.exe \"" + a + "\" \"" + b + "\"").c_str(), again, a2) &&
          again == a && a2 == b);
}

void CheckMelt(const std::string& line) {
    const lha::MeltArgs m = lha::ParseMeltArgs(line);
    const lha::MeltArgs m2 = lha::ParseMeltArgs(line);
    Check(m.kind == m2.kind && m.archive == m2.archive && m.listFile == m2.listFile && m.folder == m2.folder &&
          m.member == m2.member);
    for (const std::string* w : {&m.archive, &m.listFile, &m.folder, &m.member})
        Check(w->size() <= line.size() && w->find('"') == std::string::npos);
    std::string quoted;
    if (m.kind == lha::MeltArgs::kList) {
        Check(!m.archive.empty() && !m.listFile.empty() && m.folder.empty() && m.member.empty());
        quoted = "MeltLha.exe \"" + m.archive + "\" \"" + m.listFile + "\"";
    } else if (m.kind == lha::MeltArgs::kUnpack) {
        Check(!m.archive.empty() && !m.member.empty() && m.listFile.empty());
        quoted = "MeltLha.exe \"" + m.archive + "\" \"" + m.folder + "\" \"" + m.member + "\"";
    } else {
        Check(m.archive.empty() && m.listFile.empty() && m.folder.empty() && m.member.empty());
        return;
    }
    const lha::MeltArgs back = lha::ParseMeltArgs(quoted);
    Check(back.kind == m.kind && back.archive == m.archive && back.listFile == m.listFile &&
          back.folder == m.folder && back.member == m.member);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    line.resize(std::strlen(line.c_str()));  // a command line ends at its first zero byte

    const bool hidden = mov::StartsHidden(line);
    Check(hidden == mov::StartsHidden(line) && hidden == HiddenByStrtok(line));
    CheckConverter(line);
    CheckMelt(line);
    return 0;
}
