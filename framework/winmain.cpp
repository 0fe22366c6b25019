// Process entry of a framework program: hands over to the single application object.
#include <windows.h>
#include "framework/app.h"

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR cmdLine, int showCmd) {
    fw::CWinApp* app = fw::GetApp();
    return app ? app->Main(inst, cmdLine, showCmd) : 1;
}
