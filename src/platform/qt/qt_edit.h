// The single-line edit. Qt's QLineEdit differs from the Windows edit the
// pages were written for in three ways that this class evens out:
// - its length limit also cuts text set by the program; here the limit
//   counts GBK bytes and cuts only what the user inserts;
// - setText leaves the caret at the end and is silent when the text stays
//   the same; here the caret goes to the start and TextChanged is always
//   raised, after the text is in place;
// - the password character is the style's; the application style makes it
//   an asterisk.
#pragma once

#include <QLineEdit>
#include <string>

#include "platform/control_table.h"
#include "qt_event_sink.h"

namespace trailcfg::qt {

class EditControl final : public QLineEdit {
public:
    EditControl(QWidget* parent, int id, EventSink& sink);

    void SetProgramText(const QString& text);
    // The same without reporting it: the template's text, before the page
    // is open.
    void SetTextSilently(const QString& text);
    void SetMasked(bool masked);
    bool IsMasked() const;
    // Bytes of GBK text; 0 or less lifts the limit.
    void SetLimit(int bytes);
    int Limit() const { return limit_; }
    void SetCaretByte(int pos);
    int CaretByte() const;

    // One user edit replacing the whole text, as a paste over a full
    // selection: cut by the limit, one text change, TextChanged raised.
    void ReplaceAsUser(const QString& text);

    // Cuts a user's edit to the limit: `edited` is the text after the edit
    // with the caret at `caret`, and the inserted part is cut to the room the
    // limit leaves (the caret moves with it). False when nothing of the edit
    // fits and the text would stay as it was: the edit is then refused, as
    // Windows refuses a keystroke at the limit, without a change.
    bool FitUserEdit(QString& edited, int& caret) const;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void OnTextChanged(const QString& text);

    int id_;
    EventSink& sink_;
    int limit_ = kDefaultEditLimit;
    bool programSetting_ = false;
    int userChanges_ = 0;
    QString committed_;  // the text before the edit now being validated
};

}  // namespace trailcfg::qt
