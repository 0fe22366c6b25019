// setwall PATH [tile]: makes PATH the desktop wallpaper with SystemParametersInfoA, centred,
// or tiled when a second argument "tile" is given. Exit code 0 when the call succeeded.
#include <windows.h>
#include <cstring>
#include "framework/reg_key.h"
#include "settings/registry_paths.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    bool tile = argc > 2 && std::strcmp(argv[2], "tile") == 0;
    fw::RegKey k;
    if (k.Open(HKEY_CURRENT_USER, mov::kDesktopKey, KEY_SET_VALUE) == ERROR_SUCCESS) {
        k.SetString("TileWallpaper", tile ? "1" : "0");
        k.SetString("WallpaperStyle", "0");
    }
    BOOL ok = SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, argv[1], SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    return ok ? 0 : 1;
}
