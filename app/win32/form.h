#pragma once

#include "app/win32/design.h"
#include "app/win32/picture.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

namespace vondrel::host {

// A window built from its design with the standard Windows controls: the
// fixed single border, the design's colours over the classic light ones
// whatever the system's theme, its fonts, pictures and tab order, laid out
// for the density of the screen it is on and again whenever that changes.
// The design's fonts are asked for by name, 宋体 as on Chinese Windows.
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
    // The control of the design's table at that index.
    HWND control(int index) const { return controls_[static_cast<std::size_t>(index)]; }
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
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void Layout(UINT dpi);
    HFONT FontFor(const ControlDesign& control) const;
    LRESULT Colour(HDC dc, HWND control);
    void DrawPicture(const DRAWITEMSTRUCT& item);
    int IndexOf(HWND control) const;

    const WindowDesign& design_;
    const Form* owner_;
    HWND handle_ = nullptr;
    std::vector<HWND> controls_;
    std::vector<std::function<void()>> clickHandlers_;
    std::function<void()> onUnload_;
    HWND focus_ = nullptr;  // the control to give the focus back to
    HFONT windowFont_ = nullptr;
    std::vector<HFONT> controlFonts_;  // none where the control uses the window's
    std::vector<std::unique_ptr<Picture>> pictures_;
    HBRUSH windowBrush_ = nullptr;
    std::vector<HBRUSH> brushes_;
};

}  // namespace vondrel::host
