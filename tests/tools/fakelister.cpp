// fakelister ARCHIVE LISTFILE: stands in for the LHA program's listing in scan tests. The
// "archive" is a text file of member names, copied to LISTFILE as the listing; a missing
// archive writes nothing. Either way it clears LhaArchiveing, as the real program does.
#include <windows.h>
#include "settings/busy_flag.h"
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
    mov::SetBusyFlag(0);
    return 0;
}
