// What our libraries give back when a program unloads them with FreeLibrary.
#pragma once

namespace __gnu_cxx {
void __freeres() noexcept;  // libstdc++: frees its emergency exception pool
}

// Each library carries its own copy of the C++ runtime, and that copy takes its exception
// pool from the C runtime's heap, which the whole process shares and nothing frees when the
// library goes. A program that loads a library per use (the main program does so for every
// JPEG conversion and smart fit) would grow by the pool at each load: it is freed here.
// `reserved` is the entry point's: null on FreeLibrary, when this frees; set at process
// exit, when nothing needs freeing.
inline void ReleaseRuntimeOnUnload(void* reserved) {
    if (!reserved) __gnu_cxx::__freeres();
}
