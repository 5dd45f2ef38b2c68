#pragma once

#include "app/win32/design.h"
#include "app/win32/gdi_object.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace vondrel::host {

// A window built from its design: the fixed single border, the design's
// colours over the classic light ones whatever the system's theme, its
// fonts, pictures and tab order, laid out for the density of the screen it
// is on and again whenever that changes. Text boxes, buttons and frames are
// the standard Windows controls; labels and pictures take no input, so the
// window draws them itself, as the host it was designed for did, and makes
// no window of theirs. The design's fonts are asked for by name, 宋体 as on
// Chinese Windows.
class Form {
public:
    // Builds the window hidden. A window with an owner stays above it, and
    // screen readers meet it as a dialog.
    explicit Form(const WindowDesign& design, const Form* owner = nullptr);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND handle() const { return handle_; }
    const Form* owner() const { return owner_; }
    const WindowDesign& design() const { return design_; }
    // The window of the design's control at that index; none for a label
    // or a picture, which the form draws.
    HWND control(int index) const;
    // Until it is unloaded: closed by its close box or by Unload.
    bool IsLoaded() const { return handle_ != nullptr; }

    // Runs the handler on every click of that button, by the mouse, by
    // Space, by Return or Enter while it has the focus, or by assistive
    // technology, through the host's Click dispatch.
    void OnClick(int button, std::function<void()> handler);
    // Runs once when the window is about to be destroyed.
    void OnUnload(std::function<void()> action) { onUnload_ = std::move(action); }
    // Destroys the window, as its close box does.
    void Unload();

private:
    struct Control;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void Layout(UINT dpi);
    void Paint();
    LRESULT Colour(HDC dc, HWND window) const;
    const Control* Find(HWND window) const;

    const WindowDesign& design_;
    const Form* owner_;
    HWND handle_ = nullptr;
    std::vector<Control> controls_;  // in the order of the design's table
    std::function<void()> onUnload_;
    HWND focus_ = nullptr;  // the control to give the focus back to
    GdiObject<HFONT> font_;
    GdiObject<HBRUSH> background_;
};

}  // namespace vondrel::host
