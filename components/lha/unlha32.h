/* The C interface of UnLha32.dll: list, unpack and test LHA archives (lhasa inside).
   Paths and member names are ANSI (Shift-JIS on Japanese systems), byte for byte. */
#pragma once
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Results: 0 for success, otherwise one of these. */
#define UNLHA_ERROR_OPEN        0x8001 /* the archive cannot be read */
#define UNLHA_ERROR_NOT_ARCHIVE 0x8002 /* no LHA header in it */
#define UNLHA_ERROR_DAMAGED     0x8003 /* broken header or data cut short */
#define UNLHA_ERROR_NOT_FOUND   0x8004 /* no listed member of that name */
#define UNLHA_ERROR_TOO_LARGE   0x8005 /* beyond the unpacked size cap */
#define UNLHA_ERROR_METHOD      0x8006 /* unknown compression method */
#define UNLHA_ERROR_CRC         0x8007 /* unpacked data fails its CRC; nothing is left behind */
#define UNLHA_ERROR_WRITE       0x8008 /* the output cannot be made or written */
#define UNLHA_ERROR_MEMORY      0x8009
#define UNLHA_ERROR_COMMAND     0x800A /* a command string Unlha() does not know */
#define UNLHA_ERROR_MORE_DATA   0x800B /* Unlha() output cut to fit the buffer */

/* Version times 100. */
WORD WINAPI UnlhaGetVersion(void);

/* mode 0 or 1: the headers are sound; mode 2: every member also unpacks with a good CRC. */
BOOL WINAPI UnlhaCheckArchive(LPCSTR archive, int mode);

/* Command strings in the long-established style, words separated by blanks, paths in
   double quotes: "l archive" lists the member names (CR LF each) into output;
   "x archive [folder\] [member ...]" unpacks with sub-folders, "e ..." without;
   "t archive" tests every member. Switches such as -n before the archive are ignored.
   window is not used (no dialogs are shown). output may be NULL. */
int WINAPI Unlha(HWND window, LPCSTR commandLine, LPSTR output, DWORD outputSize);

/* Writes the names of the members that can be unpacked into listFile, one per line,
   folders joined with '\'. Members with unsafe names (absolute, drive, "..", devices,
   control characters), damaged or oversized members are left out. listFile is always
   rewritten, empty when the archive cannot be read. */
int WINAPI UnlhaListToFile(LPCSTR archive, LPCSTR listFile);

/* Unpacks the member named exactly as UnlhaListToFile lists it to folder\member. */
int WINAPI UnlhaExtractMember(LPCSTR archive, LPCSTR folder, LPCSTR member);

typedef int(WINAPI* UnlhaListToFileFn)(LPCSTR, LPCSTR);
typedef int(WINAPI* UnlhaExtractMemberFn)(LPCSTR, LPCSTR, LPCSTR);
typedef int(WINAPI* UnlhaFn)(HWND, LPCSTR, LPSTR, DWORD);
typedef BOOL(WINAPI* UnlhaCheckArchiveFn)(LPCSTR, int);
typedef WORD(WINAPI* UnlhaGetVersionFn)(void);

#ifdef __cplusplus
}
#endif
