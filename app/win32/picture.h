#pragma once

#include <windows.h>

namespace vondrel::host {

// A picture compiled into the program, decoded once into a bitmap whose
// transparency the drawing keeps.
class Picture {
public:
    // The PNG in the program's RCDATA resource of that number; an empty
    // picture if it cannot be read.
    explicit Picture(int resource);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Draws it scaled to the rectangle, over what is there.
    void Draw(HDC target, const RECT& where) const;

private:
    HBITMAP bitmap_ = nullptr;  // 32 bits a pixel, premultiplied alpha
    int width_ = 0;
    int height_ = 0;
};

}  // namespace vondrel::host
