#pragma once

#include <windows.h>

namespace vondrel::host {

// A picture compiled into the program as a bitmap of 32 bits a pixel with
// premultiplied alpha, which drawing blends over what is there.
class Picture {
public:
    // The bitmap resource of that number; an empty picture if there is none.
    explicit Picture(int resource);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Draws it scaled to the rectangle.
    void Draw(HDC target, const RECT& where) const;

private:
    HBITMAP bitmap_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace vondrel::host
