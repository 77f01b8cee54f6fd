#include "win32_text.h"

#include <algorithm>

#include "common/gbk_codec.h"

namespace trailcfg::win32 {

std::wstring Wide(std::string_view gbk) { return GbkToWide(gbk); }

std::string Gbk(std::wstring_view wide) { return WideToGbk(wide); }

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t holds UTF-16 on Windows");

std::u16string_view Utf16Of(std::wstring_view wide) {
    return {reinterpret_cast<const char16_t*>(wide.data()), wide.size()};
}

std::wstring WideOf(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

void SetWindowTextGbk(HWND window, std::string_view gbk) { SetWindowTextW(window, Wide(gbk).c_str()); }

}  // namespace trailcfg::win32
