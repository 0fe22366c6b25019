// The Active Desktop shell object, held for the span of one desktop write (inside a
// fw::ComScope).
#pragma once
#include <string>

struct IActiveDesktop;

namespace mov {

class ActiveDesktop {
public:
    // Creates the object; on failure every call below does nothing.
    ActiveDesktop();
    ~ActiveDesktop();
    ActiveDesktop(const ActiveDesktop&) = delete;
    ActiveDesktop& operator=(const ActiveDesktop&) = delete;

    bool exists() const { return obj_ != nullptr; }
    // style 0 centre, 1 tile, 2 stretch; path in the ANSI code page.
    void SetWallpaper(int style, const std::string& path);
    void ClearWallpaper();

private:
    IActiveDesktop* obj_ = nullptr;
};

}  // namespace mov
