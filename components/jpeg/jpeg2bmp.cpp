// Jpeg2bmp.exe "jpeg" "bitmap": converts, then clears the caller's busy flag LhaArchiveing.
#include <windows.h>
#include <string>
#include "components/jpeg/command_line.h"
#include "components/jpeg/convert_file.h"
#include "settings/busy_flag.h"

namespace {

enum ExitCode { kConverted = 0, kConversionFailed = 1, kBadArguments = 2 };

int Run() {
    std::string jpegPath, bmpPath;
    if (!jpeg::ParseConverterCommandLine(GetCommandLineA(), jpegPath, bmpPath)) return kBadArguments;
    return jpeg::ConvertJpegFile(jpeg::HostFileSystem(), jpegPath, bmpPath) == jpeg::FileStatus::kOk
               ? kConverted
               : kConversionFailed;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // No error boxes for a missing drive or a damaged file: nobody is there to answer.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    int code;
    try {
        code = Run();
    } catch (...) {
        code = kConversionFailed;
    }
    // The caller waits on the flag; it is cleared whatever happened, so it never waits out
    // its whole timeout for a converter that has already given up.
    mov::SetBusyFlag(0);
    return code;
}
