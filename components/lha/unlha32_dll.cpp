// UnLha32.dll: the Win32 face of the portable archive operations. No exception leaves it.
#include "components/lha/unlha32.h"
#include <new>
#include <string>
#include "components/lha/lha_ops.h"
#include "components/lha/lha_win_codepage.h"

namespace {

lha::Options WindowsOptions() {
    lha::Options o;
    o.lead = lha::AnsiLeadBytes();
    o.separator = '\\';
    o.maxPath = MAX_PATH - 1;
    return o;
}

int Code(lha::Status s) {
    switch (s) {
        case lha::Status::kOk: return 0;
        case lha::Status::kOpenFailed: return UNLHA_ERROR_OPEN;
        case lha::Status::kNotArchive: return UNLHA_ERROR_NOT_ARCHIVE;
        case lha::Status::kDamaged: return UNLHA_ERROR_DAMAGED;
        case lha::Status::kNotFound: return UNLHA_ERROR_NOT_FOUND;
        case lha::Status::kTooLarge: return UNLHA_ERROR_TOO_LARGE;
        case lha::Status::kBadMethod: return UNLHA_ERROR_METHOD;
        case lha::Status::kCrcError: return UNLHA_ERROR_CRC;
        case lha::Status::kWriteFailed: return UNLHA_ERROR_WRITE;
        case lha::Status::kNoMemory: return UNLHA_ERROR_MEMORY;
        case lha::Status::kBadCommand: return UNLHA_ERROR_COMMAND;
    }
    return UNLHA_ERROR_COMMAND;
}

template <typename F>
int Guarded(F f) {
    try {
        return f();
    } catch (const std::bad_alloc&) {
        return UNLHA_ERROR_MEMORY;
    } catch (...) {
        return UNLHA_ERROR_DAMAGED;
    }
}

}  // namespace

extern "C" {

WORD WINAPI UnlhaGetVersion(void) { return 100; }

BOOL WINAPI UnlhaCheckArchive(LPCSTR archive, int mode) {
    if (!archive) return FALSE;
    int rc = Guarded([&] {
        lha::Options o = WindowsOptions();
        if ((mode & 3) == 2) return Code(lha::TestFile(archive, o));
        lha::FileSource src(archive);
        if (!src.ok()) return UNLHA_ERROR_OPEN;
        return Code(lha::ReadListing(src, o.lead, o.limits).status);
    });
    return rc == 0 ? TRUE : FALSE;
}

int WINAPI Unlha(HWND, LPCSTR commandLine, LPSTR output, DWORD outputSize) {
    if (output && outputSize) output[0] = '\0';
    if (!commandLine) return UNLHA_ERROR_COMMAND;
    return Guarded([&] {
        std::string text;
        int rc = Code(lha::RunCommand(commandLine, WindowsOptions(), &text));
        if (output && outputSize) {
            size_t n = text.size() < outputSize - 1 ? text.size() : outputSize - 1;
            text.copy(output, n);
            output[n] = '\0';
            if (n < text.size() && rc == 0) rc = UNLHA_ERROR_MORE_DATA;
        }
        return rc;
    });
}

int WINAPI UnlhaListToFile(LPCSTR archive, LPCSTR listFile) {
    if (!archive || !listFile) return UNLHA_ERROR_OPEN;
    return Guarded([&] { return Code(lha::ListToFile(archive, listFile, WindowsOptions())); });
}

int WINAPI UnlhaExtractMember(LPCSTR archive, LPCSTR folder, LPCSTR member) {
    if (!archive || !folder || !member) return UNLHA_ERROR_NOT_FOUND;
    return Guarded([&] { return Code(lha::UnpackMember(archive, folder, member, WindowsOptions())); });
}

}  // extern "C"
