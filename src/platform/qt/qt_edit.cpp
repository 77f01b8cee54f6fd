#include "qt_edit.h"

#include <QFocusEvent>
#include <QValidator>
#include <algorithm>
#include <climits>

#include "qt_text.h"

namespace trailcfg::qt {

namespace {

// QLineEdit passes every change through its validator, and takes a changed
// text from it as the result, before textChanged is emitted. That makes the
// validator the one place where a user's insertion (typed, pasted, dropped,
// composed) can be cut to the limit the way Windows cuts it.
class LimitValidator final : public QValidator {
public:
    LimitValidator(EditControl& edit, const bool& programSetting)
        : QValidator(&edit), edit_(edit), programSetting_(programSetting) {}

    State validate(QString& input, int& pos) const override {
        if (programSetting_) return Acceptable;
        return edit_.FitUserEdit(input, pos) ? Acceptable : Invalid;
    }

private:
    EditControl& edit_;
    const bool& programSetting_;
};

}  // namespace

EditControl::EditControl(QWidget* parent, int id, EventSink& sink) : QLineEdit(parent), id_(id), sink_(sink) {
    // The limit is ours; Qt's own would cut the program's text.
    setMaxLength(INT_MAX);
    setValidator(new LimitValidator(*this, programSetting_));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { OnTextChanged(text); });
}

void EditControl::OnTextChanged(const QString& text) {
    committed_ = text;
    if (programSetting_) return;
    ++userChanges_;
    sink_.Raise(EventType::TextChanged, id_);
}

void EditControl::SetTextSilently(const QString& text) {
    programSetting_ = true;
    setText(text);
    setCursorPosition(0);
    programSetting_ = false;
}

void EditControl::SetProgramText(const QString& text) {
    SetTextSilently(text);
    // Raised here rather than from textChanged so that the caret is already
    // at the start, and so that setting the same text again is not silent.
    sink_.Raise(EventType::TextChanged, id_);
}

bool EditControl::FitUserEdit(QString& edited, int& caret) const {
    if (GbkLength(edited) <= limit_) return true;
    // The edit replaced committed_[start, end) by edited[start, caret).
    const int tail = static_cast<int>(edited.size()) - caret;
    int start = 0;
    const int maxStart = std::min(caret, static_cast<int>(committed_.size()) - std::max(tail, 0));
    while (start < maxStart && committed_[start] == edited[start]) ++start;
    if (start > 0 && edited[start - 1].isHighSurrogate()) --start;
    const QString before = edited.left(start);
    const QString after = edited.mid(caret);
    const int room = limit_ - GbkLength(before) - GbkLength(after);
    const QString kept = CutToGbkBytes(edited.mid(start, caret - start), room);
    const QString fitted = before + kept + after;
    if (fitted == committed_) return false;
    edited = fitted;
    caret = static_cast<int>(before.size() + kept.size());
    return true;
}

void EditControl::SetMasked(bool masked) { setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal); }

bool EditControl::IsMasked() const { return echoMode() == QLineEdit::Password; }

void EditControl::SetLimit(int bytes) { limit_ = bytes > 0 ? bytes : INT_MAX; }

void EditControl::SetCaretByte(int pos) { setCursorPosition(IndexAtByte(text(), pos)); }

int EditControl::CaretByte() const { return ByteAtIndex(text(), cursorPosition()); }

void EditControl::ReplaceAsUser(const QString& text) {
    const int before = userChanges_;
    selectAll();
    insert(text);
    // Windows reports a replaced selection as a change even when the text
    // comes out the same; QLineEdit stays silent then.
    if (userChanges_ == before) sink_.Raise(EventType::TextChanged, id_);
}

void EditControl::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    sink_.EditLostFocus(id_, event->reason());
}

}  // namespace trailcfg::qt
