// movbench WHAT: measurements of the running Movani32 for the benches in this folder.
//   resources [CLASS]  GDI and USER objects, handles and private memory (KB) of the program
//                  (or of the one owning a window of CLASS)
//   timed ID       sends command ID and prints the milliseconds until the caption changes
//   soak N         N times Next, each awaited as "timed"; resources at 0, 100 and N changes
//   outside JPEG BMP OUT   times the outside steps alone: JpegToBmp(JPEG, BMP) in jpegfilt.dll,
//                  then _Quillet(BMP, OUT, 0) in QuilletDll.dll, then the desktop given BMP and
//                  OUT (SPI_SETDESKWALLPAPER); prints each in milliseconds
// Exit 1 when there is no window, 3 when a change did not come.
#include <windows.h>
#include <psapi.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

double NowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

std::string Caption(HWND frame) {
    char text[1024] = {};
    GetWindowTextA(frame, text, sizeof text);
    return text;
}

// Milliseconds from sending `id` until the caption changes; negative after 60 s without.
double TimedCommand(HWND frame, UINT id) {
    const std::string before = Caption(frame);
    const double t0 = NowMs();
    SendMessageA(frame, WM_COMMAND, id, 0);
    while (Caption(frame) == before) {
        if (NowMs() - t0 > 60000) return -1;
        Sleep(1);
    }
    return NowMs() - t0;
}

int TimeOutsideSteps(const char* jpeg, const char* bmp, const char* out) {
    HMODULE jf = LoadLibraryA("jpegfilt.dll");
    HMODULE q = LoadLibraryA("QuilletDll.dll");
    auto conv = jf ? reinterpret_cast<int(__cdecl*)(const char*, const char*)>(
                         reinterpret_cast<void*>(GetProcAddress(jf, "JpegToBmp"))) : nullptr;
    auto fit = q ? reinterpret_cast<int(__cdecl*)(const char*, const char*, int)>(
                       reinterpret_cast<void*>(GetProcAddress(q, "_Quillet"))) : nullptr;
    if (!conv || !fit) return 3;
    double t0 = NowMs();
    conv(jpeg, bmp);
    double t1 = NowMs();
    fit(bmp, out, 0);
    double t2 = NowMs();
    // The desktop taking each bitmap, as the program's write ends.
    std::string b(bmp), o(out);
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, &b[0], SPIF_SENDWININICHANGE);
    double t3 = NowMs();
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, &o[0], SPIF_SENDWININICHANGE);
    double t4 = NowMs();
    std::printf("jpeg %.0f fit %.0f desk_big %.0f desk_fit %.0f\n", t1 - t0, t2 - t1, t3 - t2, t4 - t3);
    return 0;
}

int PrintResources(HWND frame) {
    DWORD pid = 0;
    GetWindowThreadProcessId(frame, &pid);
    HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!p) return 3;
    DWORD handles = 0;
    if (!GetProcessHandleCount(p, &handles)) handles = 0;
    // The basic record: private bytes are its page-file usage.
    PROCESS_MEMORY_COUNTERS mem{};
    mem.cb = sizeof mem;
    if (!GetProcessMemoryInfo(p, &mem, sizeof mem)) mem.PagefileUsage = 0;
    std::printf("gdi %lu user %lu handles %lu private_kb %lu\n", GetGuiResources(p, GR_GDIOBJECTS),
                GetGuiResources(p, GR_USEROBJECTS), handles, static_cast<unsigned long>(mem.PagefileUsage / 1024));
    CloseHandle(p);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 4 && !std::strcmp(argv[1], "outside")) return TimeOutsideSteps(argv[2], argv[3], argv[4]);
    HWND frame = FindWindowA("MovaniClass", nullptr);
    if (argc > 2 && !std::strcmp(argv[1], "resources")) {
        HWND other = FindWindowA(argv[2], nullptr);
        return other ? PrintResources(other) : 1;
    }
    if (!frame) return 1;
    if (argc > 1 && !std::strcmp(argv[1], "resources")) return PrintResources(frame);
    if (argc > 2 && !std::strcmp(argv[1], "timed")) {
        double ms = TimedCommand(frame, static_cast<UINT>(std::atoi(argv[2])));
        std::printf("%.1f\n", ms);
        return ms < 0 ? 3 : 0;
    }
    if (argc > 2 && !std::strcmp(argv[1], "soak")) {
        int n = std::atoi(argv[2]);
        std::printf("changes 0: ");
        std::fflush(stdout);
        PrintResources(frame);
        for (int i = 1; i <= n; ++i) {
            if (TimedCommand(frame, 32774) < 0) {
                std::printf("change %d: no new caption\n", i);
                return 3;
            }
            if (i == 100 || i == n) {
                std::printf("changes %d: ", i);
                std::fflush(stdout);
                PrintResources(frame);
            }
        }
        return 0;
    }
    std::fprintf(stderr, "movbench: unknown request\n");
    return 2;
}
