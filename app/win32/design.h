#pragma once

// A window's design as the Windows front end builds it: the same data as the
// window's .ui file, which make-design turns into a table of these at build
// time, with an enumeration of the controls by name that indexes them; it
// names every field, in the order declared here, so that the compiler
// rejects a field moved here and warns of one added until make-design
// writes it.
// Lengths are pixels at 96 dots per inch, positions from the top-left
// corner of the window's client area.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vondrel::host {

struct Rgb {
    std::uint8_t red, green, blue;
};

struct Font {
    std::wstring_view face;
    int tenthsOfPoint;
    bool bold;
};

struct Box {
    int left, top, width, height;
};

struct ControlDesign {
    enum class Kind { Frame, Label, Picture, TextBox, Button };

    Kind kind;
    std::wstring_view name;
    std::wstring_view caption;
    Box box;
    std::optional<Font> font;  // none: the window's
    std::optional<Rgb> background;
    int tabIndex;  // -1: takes no focus
    bool readOnly;
    bool alignRight;
    int picture;  // the resource of the picture at 1x; the one after it is @2x
    std::wstring_view accessibleName;
    std::wstring_view accessibleDescription;
};

struct WindowDesign {
    std::wstring_view name;
    std::wstring_view caption;
    int clientWidth, clientHeight;
    Font font;
    std::optional<Rgb> background;
    std::wstring_view accessibleDescription;
    std::span<const ControlDesign> controls;  // in the order of the design
};

}  // namespace vondrel::host
