#include "app/win32/form.h"

#include "app/win32/accessibility.h"
#include "app/win32/click_dispatch.h"
#include "app/win32/newer_windows.h"
#include "app/win32/picture.h"
#include "app/win32/project_settings.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace vondrel::host {

namespace {

constexpr wchar_t kWindowClass[] = L"VondrelForm";
// Control identifiers start above those that dialog keys send (IDOK, IDCANCEL).
constexpr int kFirstControlId = 100;
// The fixed single border: caption and close box, no minimize, maximize or
// sizing border. Children are not clipped: the form draws labels and
// pictures inside frames, which draw only their edge and caption over them.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = 0;

// The classic light colours that the design's own are chosen against.
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kBox = RGB(255, 255, 255);

using Kind = ControlDesign::Kind;

int Scaled(int length, UINT dpi)
{
    return MulDiv(length, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

COLORREF ColourOf(Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

GdiObject<HBRUSH> BrushOf(const std::optional<Rgb>& colour)
{
    return GdiObject<HBRUSH>(colour ? CreateSolidBrush(ColourOf(*colour)) : nullptr);
}

GdiObject<HFONT> CreateDesignFont(const Font& font, UINT dpi)
{
    const int height = -MulDiv(font.tenthsOfPoint, static_cast<int>(dpi), 720);
    return GdiObject<HFONT>(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                        GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH | FF_DONTCARE, std::wstring(font.face).c_str()));
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

bool IsDrawnByTheForm(const ControlDesign& control)
{
    return control.kind == Kind::Label || control.kind == Kind::Picture;
}

// The standard control that each other kind is made of.
struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(const ControlDesign& control)
{
    if (control.kind == Kind::Frame)
        return {L"BUTTON", BS_GROUPBOX, 0};
    if (control.kind == Kind::TextBox)
        return {L"EDIT",
                static_cast<DWORD>(ES_AUTOHSCROLL | (control.alignRight ? ES_RIGHT : ES_LEFT) |
                                   (control.readOnly ? ES_READONLY : 0)),
                WS_EX_CLIENTEDGE};
    return {L"BUTTON", BS_PUSHBUTTON, 0};
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

// One control of the design and what it holds, freed with it. A control's
// window goes with the form's; the form draws those that have none.
struct Form::Control {
    explicit Control(const ControlDesign& control)
        : design(&control), background(BrushOf(control.background))
    {
        if (control.picture)
            picture.emplace(control.picture);
    }

    const ControlDesign* design;
    HWND window = nullptr;
    RECT box{};  // in the form's client area, at the current density
    GdiObject<HFONT> font;  // none: the form's
    GdiObject<HBRUSH> background;  // none: the form's, or a box's white
    std::optional<Picture> picture;
    std::function<void()> onClick;
};

Form::Form(const WindowDesign& design, const Form* owner)
    : design_(design), owner_(owner), background_(BrushOf(design.background))
{
    controls_.reserve(design.controls.size());
    for (const ControlDesign& control : design.controls)
        controls_.emplace_back(control);
    RegisterWindowClass(&Procedure);
    const RECT area = PrimaryWorkArea();
    CreateWindowExW(kExStyle, kWindowClass, std::wstring(design.caption).c_str(), kStyle, area.left, area.top, 0, 0,
                    owner ? owner->handle() : nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!handle_)
        return;
    CreateControls();
    Layout(DpiOf(handle_));
    DescribeForScreenReaders(*this);
}

Form::~Form()
{
    Unload();
}

HWND Form::control(int index) const
{
    return controls_[static_cast<std::size_t>(index)].window;
}

void Form::OnClick(int button, std::function<void()> handler)
{
    controls_[static_cast<std::size_t>(button)].onClick = std::move(handler);
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
    // Creation order is both the order of the keyboard's Tab and the
    // stacking order, first on top: the focusable controls in the design's
    // tab order, then the frames underneath them.
    std::vector<Control*> order;
    for (Control& control : controls_)
        if (!IsDrawnByTheForm(*control.design))
            order.push_back(&control);
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        const auto rank = [](const Control* control) {
            return control->design->kind == Kind::Frame ? 1000 : control->design->tabIndex;
        };
        return rank(a) < rank(b);
    });
    for (Control* control : order) {
        const ControlDesign& design = *control->design;
        const ControlClass kind = ClassOf(design);
        const DWORD focus = design.tabIndex >= 0 ? WS_TABSTOP : 0;
        const auto id = kFirstControlId + (control - controls_.data());
        control->window = CreateWindowExW(kind.exStyle, kind.className, std::wstring(design.caption).c_str(),
                                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | focus | kind.style, 0, 0, 0,
                                          0, handle_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                          GetModuleHandleW(nullptr), nullptr);
        if (design.kind == Kind::TextBox)
            SendMessageW(control->window, EM_SETLIMITTEXT, 0, 0);  // as long as the system allows
        if (design.tabIndex == 0)
            focus_ = control->window;
    }
}

void Form::Layout(UINT dpi)
{
    // The fonts of the new density go to every control before those of the
    // old one are deleted, which the controls hold until then.
    GdiObject<HFONT> formFont = CreateDesignFont(design_.font, dpi);
    HDC screen = GetDC(nullptr);
    for (Control& control : controls_) {
        const ControlDesign& design = *control.design;
        GdiObject<HFONT> font = design.font ? CreateDesignFont(*design.font, dpi) : nullptr;
        HFONT used = font ? font.get() : formFont.get();
        const Box& box = design.box;
        control.box = {Scaled(box.left, dpi), Scaled(box.top, dpi), Scaled(box.left + box.width, dpi),
                       Scaled(box.top + box.height, dpi)};
        if (design.kind == Kind::Label) {
            // A label takes the size of its caption in the font used, keeping
            // its left edge and vertical centre, so that a row stays in line.
            HGDIOBJ previous = SelectObject(screen, used);
            SIZE size{};
            GetTextExtentPoint32W(screen, design.caption.data(), static_cast<int>(design.caption.size()), &size);
            SelectObject(screen, previous);
            const LONG top = (control.box.top + control.box.bottom) / 2 - size.cy / 2;
            control.box = {control.box.left, top, control.box.left + size.cx, top + size.cy};
        }
        if (control.picture)
            control.picture->Prepare({control.box.right - control.box.left, control.box.bottom - control.box.top},
                                     dpi);
        if (control.window) {
            SetWindowPos(control.window, nullptr, control.box.left, control.box.top,
                         control.box.right - control.box.left, control.box.bottom - control.box.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(used), FALSE);
        }
        control.font = std::move(font);
    }
    ReleaseDC(nullptr, screen);
    font_ = std::move(formFont);
    // The frame as the system draws it: at the window's own density, which
    // Windows has changed to the monitor's by the time it tells the window.
    const RECT frame = FrameAround({0, 0, Scaled(design_.clientWidth, dpi), Scaled(design_.clientHeight, dpi)},
                                   kStyle, kExStyle, DpiOf(handle_));
    SetWindowPos(handle_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(handle_, nullptr, TRUE);
}

// The frames' insides in their colour, then the pictures, then the labels
// above the pictures they overlap; the frames' windows draw their edges and
// captions over it all.
void Form::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle_, &paint);
    for (const Control& control : controls_)
        if (control.design->kind == Kind::Frame && control.background)
            FillRect(dc, &control.box, control.background.get());
    for (const Control& control : controls_)
        if (control.picture)
            control.picture->Draw(dc, {control.box.left, control.box.top});
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kText);
    for (const Control& control : controls_) {
        if (control.design->kind != Kind::Label)
            continue;
        HGDIOBJ previous = SelectObject(dc, control.font ? control.font.get() : font_.get());
        RECT box = control.box;
        DrawTextW(dc, control.design->caption.data(), static_cast<int>(control.design->caption.size()), &box,
                  DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, previous);
    }
    EndPaint(handle_, &paint);
}

const Form::Control* Form::Find(HWND window) const
{
    if (!window)
        return nullptr;
    const auto found =
        std::find_if(controls_.begin(), controls_.end(), [window](const Control& c) { return c.window == window; });
    return found == controls_.end() ? nullptr : &*found;
}

LRESULT Form::Colour(HDC dc, HWND window) const
{
    const Control* control = Find(window);
    HBRUSH brush = nullptr;
    COLORREF background = kBox;
    if (control && control->background) {
        brush = control->background.get();
        background = ColourOf(*control->design->background);
    } else if (control && control->design->kind == Kind::TextBox) {
        brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    } else if (background_) {
        brush = background_.get();
        background = ColourOf(*design_.background);
    } else {
        brush = GetSysColorBrush(COLOR_3DFACE);
        background = GetSysColor(COLOR_3DFACE);
    }
    SetTextColor(dc, kText);
    SetBkColor(dc, background);
    return reinterpret_cast<LRESULT>(brush);
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
        if (HIWORD(wParam) == BN_CLICKED)
            if (const Control* control = Find(reinterpret_cast<HWND>(lParam)); control && control->onClick)
                DispatchClick(*this, control->onClick);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return Colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(handle_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 background_ ? background_.get() : GetSysColorBrush(COLOR_3DFACE));
        return TRUE;
    }
    case WM_PAINT:
        Paint();
        return 0;
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
        for (Control& control : controls_)
            control.window = nullptr;
        focus_ = nullptr;
        return result;
    }
    default:
        return DefWindowProcW(handle_, message, wParam, lParam);
    }
}

}  // namespace vondrel::host
