// Native command-line front of the JPEG converter, for timing it beside djpeg and ImageMagick.
#include <cstdio>
#include "components/jpeg/convert_file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s picture.jpg bitmap.bmp\n", argv[0]);
        return 2;
    }
    return jpeg::ConvertJpegFile(jpeg::HostFileSystem(), argv[1], argv[2]) == jpeg::FileStatus::kOk ? 0 : 1;
}
