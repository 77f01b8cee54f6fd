#include "win32_edit_limit.h"

#include <algorithm>

#include "win32_text.h"

namespace trailcfg::win32 {

FittedEdit FitUserEdit(const std::wstring& committed, const std::wstring& edited, int caret, int limit) {
    caret = std::clamp(caret, 0, static_cast<int>(edited.size()));
    if (GbkLength(edited) <= limit) return FittedEdit{edited, caret, false};
    // The edit replaced committed[start, start + removed) by edited[start, caret).
    const int tail = static_cast<int>(edited.size()) - caret;
    const int maxStart = std::min(caret, static_cast<int>(committed.size()) - tail);
    int start = 0;
    while (start < maxStart && committed[static_cast<std::size_t>(start)] == edited[static_cast<std::size_t>(start)])
        ++start;
    // Never split a surrogate pair between the kept start and the insertion.
    if (start > 0 && edited[static_cast<std::size_t>(start) - 1] >= 0xD800 &&
        edited[static_cast<std::size_t>(start) - 1] <= 0xDBFF)
        --start;
    const std::wstring_view all(edited);
    const std::wstring_view before = all.substr(0, static_cast<std::size_t>(start));
    const std::wstring_view after = all.substr(static_cast<std::size_t>(caret));
    const int room = limit - GbkLength(before) - GbkLength(after);
    const std::wstring_view kept =
        CutToGbkBytes(all.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(caret - start)), room);
    std::wstring fitted;
    fitted.reserve(before.size() + kept.size() + after.size());
    fitted.append(before).append(kept).append(after);
    const int fittedCaret = static_cast<int>(before.size() + kept.size());
    if (fitted == committed) return FittedEdit{committed, start, true};
    return FittedEdit{std::move(fitted), fittedCaret, false};
}

}  // namespace trailcfg::win32
