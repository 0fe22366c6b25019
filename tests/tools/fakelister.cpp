// fakelister ARCHIVE LISTFILE: stands in for the LHA program's listing in scan tests. The
// "archive" is a text file of member names, copied to LISTFILE as the listing; a missing
// archive writes nothing. Either way it clears LhaArchiveing, as the real program does.
#include <windows.h>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    if (FILE* in = std::fopen(argv[1], "rb")) {
        if (FILE* out = std::fopen(argv[2], "wb")) {
            char buf[4096];
            size_t n;
            while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) std::fwrite(buf, 1, n, out);
            std::fclose(out);
        }
        std::fclose(in);
    }
    HKEY k;
    DWORD disp;
    char cls[] = "REG_DWORD";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Farnwick\\MovAni32\\Group", 0, cls, 0, KEY_ALL_ACCESS,
                        nullptr, &k, &disp) != ERROR_SUCCESS)
        return 1;
    DWORD zero = 0;
    RegSetValueExA(k, "LhaArchiveing", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), 4);
    RegCloseKey(k);
    return 0;
}
