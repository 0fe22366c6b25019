// What the desktop writer reports to the user interface. The engine says what happened;
// the view, which implements this, decides how it looks (captions, menu texts, ids).
#pragma once

namespace mov {

class DesktopReport {
public:
    // The user's removal of the wallpaper began (true), or a change cycle ended it (false).
    virtual void PaperRemovedChanged(bool removed) = 0;

protected:
    ~DesktopReport() = default;
};

}  // namespace mov
