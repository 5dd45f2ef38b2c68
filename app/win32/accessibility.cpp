#include "app/win32/accessibility.h"

#include "app/win32/form.h"
#include "app/win32/text.h"

#include <oleacc.h>

#include <string>

namespace vondrel::host {

namespace {

// UI Automation's LiveSetting property, which Microsoft Active
// Accessibility's annotations carry to UI Automation clients, and its value.
constexpr GUID kLiveSetting = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
// EVENT_OBJECT_LIVEREGIONCHANGED, which Windows 8 brought; screen readers
// that do not know it let it pass.
constexpr DWORD kLiveRegionChanged = 0x8019;

VARIANT Number(LONG value)
{
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_I4;
    variant.lVal = value;
    return variant;
}

// The design's description of the window, or else the first that one of
// its pictures has.
std::wstring DescriptionOf(const WindowDesign& design)
{
    std::wstring description(design.accessibleDescription);
    for (const ControlDesign& control : design.controls)
        if (description.empty() && control.kind == ControlDesign::Kind::Picture)
            description = control.accessibleDescription;
    return description;
}

// Windows' service that annotates windows for screen readers; null where
// there is none. The caller releases it.
IAccPropServices* AnnotationServices()
{
    IAccPropServices* services = nullptr;
    return SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                      reinterpret_cast<void**>(&services)))
        ? services
        : nullptr;
}

}  // namespace

void DescribeForScreenReaders(const Form& form)
{
    IAccPropServices* services = AnnotationServices();
    if (!services)
        return;
    const auto setText = [services](HWND window, const MSAAPROPID& property, std::wstring_view text) {
        if (window && !text.empty())
            services->SetHwndPropStr(window, OBJID_CLIENT, CHILDID_SELF, property, std::wstring(text).c_str());
    };
    const WindowDesign& design = form.design();
    setText(form.handle(), PROPID_ACC_DESCRIPTION, DescriptionOf(design));
    if (form.owner())
        services->SetHwndProp(form.handle(), OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, Number(ROLE_SYSTEM_DIALOG));
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        const ControlDesign& control = design.controls[i];
        HWND window = form.control(static_cast<int>(i));
        setText(window, PROPID_ACC_NAME, control.accessibleName);
        setText(window, PROPID_ACC_DESCRIPTION, control.accessibleDescription);
        if (window && control.kind == ControlDesign::Kind::TextBox && control.readOnly)
            services->SetHwndProp(window, OBJID_CLIENT, CHILDID_SELF, kLiveSetting, Number(kPolite));
    }
    services->Release();
}

void Announce(HWND liveRegion, std::u16string_view announcement)
{
    // Screen readers speak a live region's name when it changes (Narrator
    // through UI Automation, NVDA through either interface), as Windows'
    // Calculator names its display after what it shows.
    if (IAccPropServices* services = AnnotationServices()) {
        services->SetHwndPropStr(liveRegion, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                 std::wstring(ViewOf(announcement)).c_str());
        services->Release();
    }
    NotifyWinEvent(kLiveRegionChanged, liveRegion, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace vondrel::host
