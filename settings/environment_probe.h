// The start-up probe: user, work folder, Windows kind, JPEG reader, the desktop check, the
// browser; it ends by loading the settings.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include "settings/settings_record.h"

namespace mov {

// A modal question; returns IDYES or IDNO. The program uses MessageBoxA.
using QuestionBox = std::function<int(HWND owner, const char* text, const char* caption, UINT type)>;
int SystemQuestionBox(HWND owner, const char* text, const char* caption, UINT type);

struct ProbeUi {
    HWND owner = nullptr;
    std::string caption = "Movani32";  // the application title
    QuestionBox ask = SystemQuestionBox;
};

// The steps, in the order the probe runs them.
void ProbeUserName(SettingsRecord& s);
void ProbeTempFolder(SettingsRecord& s);
void ProbeOsKind(SettingsRecord& s);
void ProbeJpegReader(SettingsRecord& s);  // needs OsKind
// The program's copy of the desktop's placement values, the NT 4.0 pattern (needs OsKind),
// the questions where the desktop changed behind the program's back, the copy written back.
void CheckDesktop(SettingsRecord& s, const ProbeUi& ui);
void ProbeBrowser(SettingsRecord& s);

// Every step above, then LoadSettings.
void RunEnvironmentProbe(SettingsRecord& s, const ProbeUi& ui);

}  // namespace mov
