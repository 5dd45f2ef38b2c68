#include "app/win32/form.h"

#include "app/win32/accessibility.h"
#include "app/win32/click_dispatch.h"
#include "app/win32/project_settings.h"

#include <algorithm>
#include <string>
#include <utility>

namespace vondrel::host {

namespace {

constexpr wchar_t kWindowClass[] = L"VondrelForm";
// Control identifiers start above those that dialog keys send (IDOK, IDCANCEL).
constexpr int kFirstControlId = 100;
// The fixed single border: caption and close box, no minimize, maximize or
// sizing border.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = 0;

// The classic light colours that the design's own are chosen against.
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kBox = RGB(255, 255, 255);

int Scaled(int length, UINT dpi)
{
    return MulDiv(length, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

COLORREF ColourOf(Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

HFONT CreateDesignFont(const Font& font, UINT dpi)
{
    const int height = -MulDiv(font.tenthsOfPoint, static_cast<int>(dpi), 720);
    return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       std::wstring(font.face).c_str());
}

void RegisterWindowClass(WNDPROC procedure)
{
    static const ATOM registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = static_cast<HICON>(LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(kIconResource),
                                                          IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        windowClass.hIconSm = static_cast<HICON>(LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(kIconResource),
                                                            IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                            GetSystemMetrics(SM_CYSMICON), 0));
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass);
    }();
    (void)registered;
}

// What each kind of control is made of.
struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(const ControlDesign& control)
{
    switch (control.kind) {
    case ControlDesign::Kind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlDesign::Kind::Label:
        return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlDesign::Kind::Picture:
        return {L"STATIC", SS_OWNERDRAW, 0};
    case ControlDesign::Kind::TextBox:
        return {L"EDIT",
                static_cast<DWORD>(ES_AUTOHSCROLL | (control.alignRight ? ES_RIGHT : ES_LEFT) |
                                   (control.readOnly ? ES_READONLY : 0)),
                WS_EX_CLIENTEDGE};
    case ControlDesign::Kind::Button:
        return {L"BUTTON", BS_PUSHBUTTON, 0};
    }
    return {L"STATIC", 0, 0};
}

// Creation order is both the order of the keyboard's Tab and the stacking
// order, first on top: the focusable controls in the design's tab order,
// then labels above the pictures they overlap, and frames underneath all.
int StackingRank(const ControlDesign& control)
{
    switch (control.kind) {
    case ControlDesign::Kind::TextBox:
    case ControlDesign::Kind::Button:
        return control.tabIndex;
    case ControlDesign::Kind::Label:
        return 1000;
    case ControlDesign::Kind::Picture:
        return 1001;
    case ControlDesign::Kind::Frame:
        return 1002;
    }
    return 1003;
}

// The work area of the primary monitor, where windows are first made, so
// that they start at that monitor's density.
RECT PrimaryWorkArea()
{
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

}  // namespace

Form::Form(const WindowDesign& design, const Form* owner)
    : design_(design), owner_(owner), controls_(design.controls.size()), clickHandlers_(design.controls.size()),
      controlFonts_(design.controls.size()), pictures_(design.controls.size()), brushes_(design.controls.size())
{
    RegisterWindowClass(&Procedure);
    const RECT area = PrimaryWorkArea();
    CreateWindowExW(kExStyle, kWindowClass, std::wstring(design.caption).c_str(), kStyle, area.left, area.top, 0, 0,
                    owner ? owner->handle() : nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!handle_)
        return;
    windowBrush_ = design.background ? CreateSolidBrush(ColourOf(*design.background)) : nullptr;
    for (std::size_t i = 0; i < design.controls.size(); ++i)
        if (const auto& background = design.controls[i].background)
            brushes_[i] = CreateSolidBrush(ColourOf(*background));
    CreateControls();
    Layout(GetDpiForWindow(handle_));
    DescribeForScreenReaders(*this, design_);
}

Form::~Form()
{
    Unload();
    for (HFONT font : controlFonts_)
        if (font)
            DeleteObject(font);
    if (windowFont_)
        DeleteObject(windowFont_);
    for (HBRUSH brush : brushes_)
        if (brush)
            DeleteObject(brush);
    if (windowBrush_)
        DeleteObject(windowBrush_);
}

void Form::OnClick(int button, std::function<void()> handler)
{
    clickHandlers_[static_cast<std::size_t>(button)] = std::move(handler);
}

void Form::Unload()
{
    if (!handle_)
        return;
    if (onUnload_)
        std::exchange(onUnload_, nullptr)();
    DestroyWindow(handle_);
}

void Form::CreateControls()
{
    std::vector<std::size_t> order(design_.controls.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return StackingRank(design_.controls[a]) < StackingRank(design_.controls[b]);
    });
    for (const std::size_t i : order) {
        const ControlDesign& control = design_.controls[i];
        const ControlClass kind = ClassOf(control);
        const DWORD focus = control.tabIndex >= 0 ? WS_TABSTOP : 0;
        // Controls that the user reads name themselves for screen readers
        // by their text, pictures by their accessible name.
        const std::wstring_view text =
            control.kind == ControlDesign::Kind::Picture ? control.accessibleName : control.caption;
        controls_[i] = CreateWindowExW(kind.exStyle, kind.className, std::wstring(text).c_str(),
                                       WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | focus | kind.style, 0, 0, 0, 0,
                                       handle_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)),
                                       GetModuleHandleW(nullptr), nullptr);
        if (control.kind == ControlDesign::Kind::TextBox)
            SendMessageW(controls_[i], EM_SETLIMITTEXT, 0, 0);  // as long as the system allows
        if (control.tabIndex == 0)
            focus_ = controls_[i];
    }
}

HFONT Form::FontFor(const ControlDesign& control) const
{
    const auto index = static_cast<std::size_t>(&control - design_.controls.data());
    return controlFonts_[index] ? controlFonts_[index] : windowFont_;
}

void Form::Layout(UINT dpi)
{
    if (windowFont_)
        DeleteObject(windowFont_);
    windowFont_ = CreateDesignFont(design_.font, dpi);
    HDC screen = GetDC(nullptr);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlDesign& control = design_.controls[i];
        if (controlFonts_[i])
            DeleteObject(controlFonts_[i]);
        controlFonts_[i] = control.font ? CreateDesignFont(*control.font, dpi) : nullptr;
        RECT box{Scaled(control.box.left, dpi), Scaled(control.box.top, dpi),
                 Scaled(control.box.left + control.box.width, dpi), Scaled(control.box.top + control.box.height, dpi)};
        if (control.kind == ControlDesign::Kind::Label) {
            // A label takes the size of its caption in the font used, keeping
            // its left edge and vertical centre, so that a row stays in line.
            HGDIOBJ previous = SelectObject(screen, FontFor(control));
            SIZE size{};
            GetTextExtentPoint32W(screen, control.caption.data(), static_cast<int>(control.caption.size()), &size);
            SelectObject(screen, previous);
            const int middle = (box.top + box.bottom) / 2;
            box = {box.left, middle - size.cy / 2, box.left + size.cx, middle - size.cy / 2 + size.cy};
        }
        if (control.picture)
            pictures_[i] = std::make_unique<Picture>(dpi > USER_DEFAULT_SCREEN_DPI ? control.picture + 1 : control.picture);
        SetWindowPos(controls_[i], nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), FALSE);
    }
    ReleaseDC(nullptr, screen);
    RECT frame{0, 0, Scaled(design_.clientWidth, dpi), Scaled(design_.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
    SetWindowPos(handle_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(handle_, nullptr, TRUE);
}

int Form::IndexOf(HWND control) const
{
    if (!control)
        return -1;
    const auto found = std::find(controls_.begin(), controls_.end(), control);
    return found == controls_.end() ? -1 : static_cast<int>(found - controls_.begin());
}

LRESULT Form::Colour(HDC dc, HWND control)
{
    const int index = IndexOf(control);
    HBRUSH brush = index >= 0 ? brushes_[static_cast<std::size_t>(index)] : nullptr;
    COLORREF background = kBox;
    if (brush) {
        background = ColourOf(*design_.controls[static_cast<std::size_t>(index)].background);
    } else if (index >= 0 && design_.controls[static_cast<std::size_t>(index)].kind == ControlDesign::Kind::TextBox) {
        brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    } else if (windowBrush_) {
        brush = windowBrush_;
        background = ColourOf(*design_.background);
    } else {
        brush = GetSysColorBrush(COLOR_3DFACE);
        background = GetSysColor(COLOR_3DFACE);
    }
    SetTextColor(dc, kText);
    SetBkColor(dc, background);
    return reinterpret_cast<LRESULT>(brush);
}

void Form::DrawPicture(const DRAWITEMSTRUCT& item)
{
    const int index = IndexOf(item.hwndItem);
    if (index < 0)
        return;
    FillRect(item.hDC, &item.rcItem, reinterpret_cast<HBRUSH>(Colour(item.hDC, item.hwndItem)));
    if (const auto& picture = pictures_[static_cast<std::size_t>(index)])
        picture->Draw(item.hDC, item.rcItem);
}

LRESULT CALLBACK Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form ? form->Handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            const int index = IndexOf(reinterpret_cast<HWND>(lParam));
            if (index >= 0 && clickHandlers_[static_cast<std::size_t>(index)])
                DispatchClick(*this, clickHandlers_[static_cast<std::size_t>(index)]);
        }
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return Colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(handle_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, windowBrush_ ? windowBrush_ : GetSysColorBrush(COLOR_3DFACE));
        return TRUE;
    }
    case WM_ACTIVATE:
        // As a dialog does: the focus leaves with the window and comes back
        // to the same control.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focused = GetFocus(); focused && IsChild(handle_, focused))
                focus_ = focused;
        } else if (focus_) {
            SetFocus(focus_);
        }
        return 0;
    case WM_DPICHANGED: {
        Layout(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(handle_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_DESTROY:
        // The program ends with its last window that no other owns.
        if (!owner_)
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        const LRESULT result = DefWindowProcW(handle_, message, wParam, lParam);
        handle_ = nullptr;
        std::fill(controls_.begin(), controls_.end(), nullptr);
        focus_ = nullptr;
        return result;
    }
    default:
        return DefWindowProcW(handle_, message, wParam, lParam);
    }
}

}  // namespace vondrel::host
