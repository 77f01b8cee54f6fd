// The drop-down list, with or without an edit field. Only a user's pick
// reports anything: Qt's `activated` is emitted for those alone (popup,
// keys, wheel), never for the program's own selection.
#pragma once

#include <QComboBox>

#include "qt_event_sink.h"

namespace trailcfg::qt {

class ListControl final : public QComboBox {
public:
    ListControl(QWidget* parent, int id, bool withEditField, EventSink& sink);

    void Add(const QString& text);
    // An index outside the list leaves no selection.
    void Select(int index);
    // The selected entry's text, "" without a selection.
    QString SelectedText() const;

    // A user's pick of entry `index`, as the popup delivers it.
    void ChooseAsUser(int index);

private:
    int id_;
    EventSink& sink_;
};

}  // namespace trailcfg::qt
