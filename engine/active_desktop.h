// The Active Desktop shell object, held for the span of one desktop write.
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

// COM as a single-threaded apartment for one scope.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

}  // namespace mov
