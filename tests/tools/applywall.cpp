// applywall PATH centre|tile | applywall remove: runs the program's desktop writer on PATH
// (placement fixed as asked, nothing stretched), or removes the wallpaper. Exit code 0.
#include <cstring>
#include "engine/desktop_writer.h"

int main(int argc, char** argv) {
    mov::SettingsRecord s;
    mov::FitOverride fit;
    s.OsKind = 3;
    s.ActiveDeskTopMode = 2;
    mov::DesktopWriter writer(s, fit);
    if (argc == 2 && std::strcmp(argv[1], "remove") == 0) {
        writer.RemoveWallpaper();
        return 0;
    }
    if (argc != 3) return 2;
    s.TileWallPaper = std::strcmp(argv[2], "tile") == 0 ? 1 : 0;
    writer.ApplyWallpaper(argv[1], argv[1], 0);
    writer.CompleteChange(true);
    return 0;
}
