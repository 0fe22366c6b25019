// movdrop PATH...: drops the paths on the running Movani32's main window, as the shell does
// when folders are dragged onto it (WM_DROPFILES). A drop handle is only valid in the
// process that receives it, so the drop block (DROPFILES and the ANSI paths) is written
// into Movani32's own memory and its address handed over; the program's DragQueryFileA
// reads it there. Returns once the window has handled the drop, and frees the block.
// Exit 0 when delivered, 1 without a window, 2 when the block could not be placed.
#include <windows.h>
#include <shlobj.h>
#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: movdrop PATH...\n");
        return 2;
    }
    HWND frame = FindWindowA("MovaniClass", nullptr);
    if (!frame) return 1;

    // The paths, each zero-terminated, then one more zero. The block starts a little into
    // the allocation: the receiver's DragFinish frees it as a heap block, which looks at
    // the bytes just before it.
    const size_t lead = 64;
    std::string block(lead + sizeof(DROPFILES), '\0');
    DROPFILES df{};
    df.pFiles = sizeof(DROPFILES);
    df.fWide = FALSE;
    std::memcpy(&block[lead], &df, sizeof df);
    for (int i = 1; i < argc; ++i) block.append(argv[i]).push_back('\0');
    block.push_back('\0');

    DWORD pid = 0;
    GetWindowThreadProcessId(frame, &pid);
    HANDLE proc = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (!proc) return 2;
    char* remote = static_cast<char*>(VirtualAllocEx(proc, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    int rc = 2;
    if (remote && WriteProcessMemory(proc, remote, block.data(), block.size(), nullptr)) {
        // SendMessage waits while the program registers the paths (and shows any refusal).
        SendMessageA(frame, WM_DROPFILES, reinterpret_cast<WPARAM>(remote + lead), 0);
        rc = 0;
    }
    if (remote) VirtualFreeEx(proc, remote, 0, MEM_RELEASE);
    CloseHandle(proc);
    return rc;
}
