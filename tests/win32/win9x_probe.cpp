// A library built the way the Windows 9x ones are (without the MinGW start-up code), for the
// test of what that start-up still has to do: static constructors, exceptions caught inside
// the library (their unwind tables registered), and static destructors when it is unloaded.
#include <windows.h>
#include <stdexcept>
#include <string>

namespace {

int* g_unloads = nullptr;

struct Constructed {
    int value = 0;
    Constructed() : value(GetCurrentProcessId() != 0 ? 42 : 1) {}  // not a constant: runs at load
} g_constructed;

struct CountsUnload {
    ~CountsUnload() {
        if (g_unloads) ++*g_unloads;
    }
} g_countsUnload;

}  // namespace

extern "C" __declspec(dllexport) int ProbeConstructed() { return g_constructed.value; }

// 2 when an exception thrown here and one thrown inside the C++ library were both caught.
extern "C" __declspec(dllexport) int ProbeCatches(int index) {
    int caught = 0;
    try {
        throw std::runtime_error("thrown here");
    } catch (const std::exception&) {
        ++caught;
    }
    try {
        std::string s("abc");
        caught += s.at(static_cast<size_t>(index)) == 'x' ? 100 : 0;  // out of range: throws
    } catch (const std::out_of_range&) {
        ++caught;
    }
    return caught;
}

extern "C" __declspec(dllexport) void ProbeCountUnloads(int* counter) { g_unloads = counter; }
