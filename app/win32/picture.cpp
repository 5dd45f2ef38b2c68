#include "app/win32/picture.h"

namespace vondrel::host {

Picture::Picture(int resource)
    : bitmap_(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0,
                                              0, LR_CREATEDIBSECTION)))
{
    BITMAP info{};
    if (bitmap_ && GetObjectW(bitmap_, sizeof(info), &info)) {
        width_ = info.bmWidth;
        height_ = info.bmHeight;
    }
}

Picture::~Picture()
{
    if (bitmap_)
        DeleteObject(bitmap_);
}

void Picture::Draw(HDC target, const RECT& where) const
{
    if (!bitmap_)
        return;
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, bitmap_);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(target, where.left, where.top, where.right - where.left, where.bottom - where.top, source, 0, 0,
               width_, height_, blend);
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace vondrel::host
