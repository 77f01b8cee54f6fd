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

void Control::ListAdd(std::string_view gbk) {
    ProgramCall call(*this);
    const std::wstring text = Wide(gbk);
    SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Control::ListEmpty() {
    ProgramCall call(*this);
    SendMessageW(window, CB_RESETCONTENT, 0, 0);
}

void Control::ListSelect(int index) {
    ProgramCall call(*this);
    const bool inside = index >= 0 && index < ListCount();
    SendMessageW(window, CB_SETCURSEL, inside ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
}

int Control::ListSelection() const {
    const LRESULT selected = SendMessageW(window, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

int Control::ListCount() const {
    const LRESULT count = SendMessageW(window, CB_GETCOUNT, 0, 0);
    return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::string Control::ListItem(int index) const {
    if (index < 0 || index >= ListCount()) return {};
    const LRESULT length = SendMessageW(window, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(window, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    if (copied == CB_ERR || copied < 0) return {};
    text.resize(static_cast<std::size_t>(copied));
    return Gbk(text);
}

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
