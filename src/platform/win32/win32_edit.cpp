#include "win32_edit.h"

#include <climits>

#include "win32_text.h"

namespace trailcfg::win32 {

namespace {

void SetSelection(const Control& edit, int index) { SendMessageW(edit.window, EM_SETSEL, index, index); }

int SelectionEnd(const Control& edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit.window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end);
}

// Replaces the text without telling anyone: the edit's EN_CHANGE arrives
// while puttingBack is set and is dropped.
void PutBack(Control& edit, const std::wstring& text, int caret) {
    edit.puttingBack = true;
    SetWindowTextW(edit.window, text.c_str());
    edit.puttingBack = false;
    SetSelection(edit, caret);
}

}  // namespace

void InitialiseEdit(Control& edit) {
    SendMessageW(edit.window, EM_LIMITTEXT, kDefaultEditLimit, 0);
    edit.limit = kDefaultEditLimit;
    edit.committed = WindowText(edit.window);
}

void SetProgramText(Control& edit, std::string_view gbk) {
    ++edit.programSetting;
    SetWindowTextGbk(edit.window, gbk);
    --edit.programSetting;
}

bool AcceptChange(Control& edit) {
    if (edit.puttingBack) return false;
    std::wstring text = WindowText(edit.window);
    if (edit.programSetting > 0) {
        // The program's text stands as it is, with the caret at the start,
        // before the page hears of it (the page may move the caret then).
        edit.committed = std::move(text);
        SetSelection(edit, 0);
        return true;
    }
    // Nothing changed: Wine reports a keystroke refused at the control's
    // own limit as a change, Windows does not.
    if (text == edit.committed) return false;
    if (GbkLength(text) > edit.limit) {
        const FittedEdit fitted = FitUserEdit(Utf16Of(edit.committed), Utf16Of(text), SelectionEnd(edit), edit.limit);
        std::wstring fittedText = WideOf(fitted.text);
        PutBack(edit, fittedText, fitted.caret);
        if (fitted.refused) {
            MessageBeep(MB_OK);
            return false;
        }
        text = std::move(fittedText);
    }
    edit.committed = std::move(text);
    return true;
}

void ReplaceAsUser(Control& edit, std::string_view gbk) {
    const std::wstring text = Wide(gbk);
    SendMessageW(edit.window, EM_SETSEL, 0, -1);
    SendMessageW(edit.window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void Control::SetLimit(int bytes) {
    limit = bytes > 0 ? bytes : INT_MAX;
    // 0 asks the control for its largest limit.
    SendMessageW(window, EM_LIMITTEXT, bytes > 0 ? static_cast<WPARAM>(bytes) : 0, 0);
}

void Control::SetMasked(bool masked) {
    SendMessageW(window, EM_SETPASSWORDCHAR, masked ? L'*' : 0, 0);
    // The control does not repaint by itself when masking is switched.
    InvalidateRect(window, nullptr, TRUE);
}

bool Control::IsMasked() const { return SendMessageW(window, EM_GETPASSWORDCHAR, 0, 0) != 0; }

void Control::SetCaret(int pos) { SetSelection(*this, IndexAtByte(WindowText(window), pos)); }

int Control::Caret() const { return ByteAtIndex(WindowText(window), SelectionEnd(*this)); }

}  // namespace trailcfg::win32
