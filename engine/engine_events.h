// What the engine tells the user interface, in its own words. The view decides how each
// looks (tray images, captions, menu checks); a listener overrides only what it shows.
#pragma once
#include <string>

namespace mov {

class EngineEvents {
public:
    // A change began; it may wait on other processes and message boxes.
    virtual void Changing() {}
    // The desktop was given the picture `title` (its own path).
    virtual void ShowingPicture(const std::string& title) { (void)title; }
    // The change is over, whether or not it showed a picture.
    virtual void ChangeEnded() {}
    // The delayed start selected the saved picture; the desktop keeps its own.
    virtual void SavedPictureSelected() {}
    // The user's removal of the wallpaper began (true), or a change ended it (false).
    virtual void PaperRemovedChanged(bool removed) { (void)removed; }
    // The countdown was stopped or runs again.
    virtual void RunStateChanged(bool running) { (void)running; }
    // The counter after a tick (see CountdownText).
    virtual void CountingDown(int counter) { (void)counter; }
    // The last seconds before a change: alternately the changing and the resting state.
    virtual void Blinking(bool changingPhase) { (void)changingPhase; }
    // A maximised window in front holds the countdown (true) or no longer does (false).
    virtual void MaximizedWindowHolds(bool holds) { (void)holds; }

protected:
    ~EngineEvents() = default;
};

}  // namespace mov
