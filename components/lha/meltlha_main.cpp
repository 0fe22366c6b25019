// MeltLha.exe: lists an archive into a list file or unpacks one member, through UnLha32.dll
// beside it, and always ends by setting the main program's busy flag LhaArchiveing to 0.
#include <windows.h>
#include <string>
#include "components/lha/lha_command_line.h"
#include "components/lha/lha_win_codepage.h"
#include "components/lha/unlha32.h"
#include "settings/busy_flag.h"

namespace {

enum ExitCode { kDone = 0, kFailed = 1, kBadArgs = 2, kNoLibrary = 3, kCrashed = 4 };

void ClearBusyFlag() { mov::SetBusyFlag(0); }

// A crash must not leave the main program waiting out its whole timeout.
LONG WINAPI OnCrash(EXCEPTION_POINTERS*) {
    ClearBusyFlag();
    ExitProcess(kCrashed);
    return EXCEPTION_EXECUTE_HANDLER;
}

template <typename Fn>
Fn Proc(HMODULE lib, const char* name) {
    return lib ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(lib, name))) : nullptr;
}

// An empty list, so the caller never reads an older archive's names as this one's.
void EmptyListFile(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
}

int Run() {
    lha::MeltArgs args = lha::ParseMeltArgs(GetCommandLineA());
    if (args.kind == lha::MeltArgs::kBad) return kBadArgs;

    // The library beside this program, never one found along the search path.
    char self[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    HMODULE lib = nullptr;
    if (n > 0 && n < MAX_PATH) {
        std::string path(self, lha::FolderLength(std::string(self, n), lha::AnsiLeadBytes()));
        lib = LoadLibraryA((path + "UnLha32.dll").c_str());
    }
    int rc = kNoLibrary;
    if (args.kind == lha::MeltArgs::kList) {
        auto list = Proc<UnlhaListToFileFn>(lib, "UnlhaListToFile");
        if (list)
            rc = list(args.archive.c_str(), args.listFile.c_str()) == 0 ? kDone : kFailed;
        else
            EmptyListFile(args.listFile);
    } else {
        auto unpack = Proc<UnlhaExtractMemberFn>(lib, "UnlhaExtractMember");
        if (unpack) rc = unpack(args.archive.c_str(), args.folder.c_str(), args.member.c_str()) == 0 ? kDone : kFailed;
    }
    if (lib) FreeLibrary(lib);
    return rc;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(OnCrash);
    int rc;
    try {
        rc = Run();
    } catch (...) {
        rc = kFailed;
    }
    ClearBusyFlag();
    return rc;
}
