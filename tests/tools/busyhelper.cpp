// busyhelper clear MS | keep: stands in for an outside program in handshake tests.
// "clear" waits MS milliseconds, then sets LhaArchiveing to 0 as a converter does when
// done; "keep" ends without touching it, as a program that crashed would.
#include <windows.h>
#include "settings/busy_flag.h"
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    if (std::strcmp(argv[1], "keep") == 0) return 0;
    if (std::strcmp(argv[1], "clear") != 0 || argc < 3) return 2;
    Sleep(static_cast<DWORD>(std::atoi(argv[2])));
    mov::SetBusyFlag(0);
    return 0;
}
