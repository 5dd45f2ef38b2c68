#include "app/win32/picture.h"

#include "app/win32/resample.h"

#include <cstring>

namespace vondrel::host {

namespace {

GdiObject<HBITMAP> LoadBitmapResource(int resource)
{
    return GdiObject<HBITMAP>(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// The pixels of a 32-bit bitmap made from a resource, in its own row order.
Pixels PixelsOf(HBITMAP bitmap)
{
    DIBSECTION section{};
    if (!GetObjectW(bitmap, sizeof(section), &section) || section.dsBm.bmBitsPixel != 32 || !section.dsBm.bmBits)
        return {};
    Pixels pixels{section.dsBm.bmWidth, section.dsBm.bmHeight, {}};
    const auto* bits = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
    pixels.bytes.assign(bits, bits + static_cast<std::size_t>(section.dsBm.bmWidthBytes) * pixels.height);
    return pixels;
}

// A bitmap of those pixels, in the same row order as the resources'.
GdiObject<HBITMAP> BitmapOf(const Pixels& pixels)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = pixels.height;  // bottom row first, as a resource
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap)
        std::memcpy(bits, pixels.bytes.data(), pixels.bytes.size());
    return bitmap;
}

}  // namespace

void Picture::Prepare(SIZE size, UINT dpi)
{
    if (shown_ && size.cx == size_.cx && size.cy == size_.cy)
        return;
    size_ = size;
    shown_ = LoadBitmapResource(dpi > USER_DEFAULT_SCREEN_DPI ? resource_ + 1 : resource_);
    BITMAP made{};
    if (!shown_ || !GetObjectW(shown_.get(), sizeof(made), &made))
        return;
    if (made.bmWidth != size.cx || made.bmHeight != size.cy)
        shown_ = BitmapOf(Resample(PixelsOf(shown_.get()), size.cx, size.cy));
}

void Picture::Draw(HDC target, POINT at) const
{
    if (!shown_)
        return;
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, shown_.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(target, at.x, at.y, size_.cx, size_.cy, source, 0, 0, size_.cx, size_.cy, blend);
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace vondrel::host
