// setwall PATH [tile]: makes PATH the desktop wallpaper with SystemParametersInfoA, centred,
// or tiled when a second argument "tile" is given. Exit code 0 when the call succeeded.
#include <windows.h>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    bool tile = argc > 2 && std::strcmp(argv[2], "tile") == 0;
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_SET_VALUE, &k) == ERROR_SUCCESS) {
        const char* t = tile ? "1" : "0";
        RegSetValueExA(k, "TileWallpaper", 0, REG_SZ, reinterpret_cast<const BYTE*>(t), 2);
        RegSetValueExA(k, "WallpaperStyle", 0, REG_SZ, reinterpret_cast<const BYTE*>("0"), 2);
        RegCloseKey(k);
    }
    BOOL ok = SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, argv[1], SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    return ok ? 0 : 1;
}
