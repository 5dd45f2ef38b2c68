#include "app/win32/text_box.h"

#include "app/win32/text.h"

namespace vondrel::host {

std::u16string TextOf(HWND box)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    return std::u16string(ViewOf(text));
}

void ReplaceText(HWND box, std::u16string_view text)
{
    SetWindowTextW(box, std::wstring(ViewOf(text)).c_str());
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

}  // namespace vondrel::host
