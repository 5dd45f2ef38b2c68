#pragma once

#include "app/win32/gdi_object.h"

#include <windows.h>

namespace vondrel::host {

// A picture compiled into the program twice, as bitmaps of 32 bits a pixel
// with premultiplied alpha: at its design size and at twice the
// resolution. It is drawn pixel for pixel from a copy made for the size it
// is shown at: the design's own at 100 %, the sharp one at 200 %, and in
// between or beyond, the sharp one resampled once for that size.
class Picture {
public:
    // The bitmap resource at the design size; the sharp one follows it.
    explicit Picture(int resource) : resource_(resource) {}

    // Makes the copy for that size on a screen of that density.
    void Prepare(SIZE size, UINT dpi);
    // Blends the copy over what is there, its top-left corner at the point.
    void Draw(HDC target, POINT at) const;

private:
    int resource_;
    GdiObject<HBITMAP> shown_;
    SIZE size_{};
};

}  // namespace vondrel::host
