#include "win32_list.h"

#include "win32_text.h"

namespace trailcfg::win32 {

namespace {

// Marks a call of the program's so that a notification it might cause is
// not taken for the user's.
class ProgramCall {
public:
    explicit ProgramCall(Control& list) : list_(list) { ++list_.programListing; }
    ~ProgramCall() { --list_.programListing; }
    ProgramCall(const ProgramCall&) = delete;
    ProgramCall& operator=(const ProgramCall&) = delete;

private:
    Control& list_;
};

}  // namespace

void ListAdd(Control& list, std::string_view gbk) {
    ProgramCall call(list);
    const std::wstring text = Wide(gbk);
    SendMessageW(list.window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ListEmpty(Control& list) {
    ProgramCall call(list);
    SendMessageW(list.window, CB_RESETCONTENT, 0, 0);
}

void ListSelect(Control& list, int index) {
    ProgramCall call(list);
    const bool inside = index >= 0 && index < ListCount(list);
    SendMessageW(list.window, CB_SETCURSEL, inside ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
}

int ListSelection(const Control& list) {
    const LRESULT selected = SendMessageW(list.window, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

int ListCount(const Control& list) {
    const LRESULT count = SendMessageW(list.window, CB_GETCOUNT, 0, 0);
    return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::string ListItem(const Control& list, int index) {
    if (index < 0 || index >= ListCount(list)) return {};
    const LRESULT length = SendMessageW(list.window, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(list.window, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    if (copied == CB_ERR || copied < 0) return {};
    text.resize(static_cast<std::size_t>(copied));
    return Gbk(text);
}

std::string ListText(const Control& list) { return ListItem(list, ListSelection(list)); }

void ChooseAsUser(Control& list, HWND dialog, int index) {
    {
        ProgramCall call(list);
        SendMessageW(list.window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    const int id = list.layout->id;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(list.window));
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list.window));
}

}  // namespace trailcfg::win32
