#include "qt_edit.h"

#include <QFocusEvent>
#include <QValidator>
#include <climits>

#include "common/text_edge.h"
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
    const FittedEdit fitted = trailcfg::FitUserEdit(Utf16Of(committed_), Utf16Of(edited), caret, limit_);
    if (fitted.refused) return false;
    edited = FromUtf16(fitted.text);
    caret = fitted.caret;
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
