#include "qt_controls.h"

#include "qt_buttons.h"
#include "qt_dialog_units.h"
#include "qt_edit.h"
#include "qt_list.h"
#include "qt_static.h"
#include "qt_text.h"

namespace trailcfg::qt {

namespace {

QWidget* CreateWidget(QWidget& dialog, const ControlLayout& c, EventSink& sink) {
    const QString text = FromGbk(c.text ? c.text : "");
    const bool centred = (c.style & kStyleCenter) != 0;
    switch (c.kind) {
        case ControlKind::GroupBox: {
            auto* frame = new GroupFrame(&dialog);
            frame->SetTitle(text);
            return frame;
        }
        case ControlKind::Label: {
            QLabel* label = CreateLabel(&dialog, centred);
            label->setText(text);
            return label;
        }
        case ControlKind::Edit: {
            auto* edit = new EditControl(&dialog, c.id, sink);
            if (centred) edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
            edit->SetTextSilently(text);
            return edit;
        }
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo:
            return new ListControl(&dialog, c.id, c.kind == ControlKind::DropDownCombo, sink);
        case ControlKind::CheckBox: {
            QCheckBox* box = CreateCheckBox(&dialog, c.id, sink);
            box->setText(text);
            return box;
        }
        case ControlKind::Button:
        case ControlKind::DefaultButton: {
            QPushButton* button = CreatePushButton(&dialog, c.id, c.kind == ControlKind::DefaultButton, sink);
            button->setText(text);
            return button;
        }
        case ControlKind::Bitmap:
            break;  // the canvas paints it; CreateControls makes no widget of it
    }
    return new QWidget(&dialog);
}

}  // namespace

void Control::SetText(std::string_view gbk) {
    const QString value = FromGbk(gbk);
    switch (layout->kind) {
        case ControlKind::GroupBox:
            static_cast<GroupFrame*>(widget)->SetTitle(value);
            break;
        case ControlKind::Label:
            static_cast<QLabel*>(widget)->setText(value);
            break;
        case ControlKind::Edit:
            Edit().SetProgramText(value);
            break;
        case ControlKind::CheckBox:
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            static_cast<QAbstractButton*>(widget)->setText(value);
            break;
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo:
        case ControlKind::Bitmap:
            break;  // a list shows its selected entry; a bitmap is no control
    }
}

std::string Control::Text() const {
    switch (layout->kind) {
        case ControlKind::GroupBox:
            return ToGbk(static_cast<GroupFrame*>(widget)->Title());
        case ControlKind::Label:
            return ToGbk(static_cast<QLabel*>(widget)->text());
        case ControlKind::Edit:
            return ToGbk(Edit().text());
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo:
            return ToGbk(List().SelectedText());
        case ControlKind::CheckBox:
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            return ToGbk(static_cast<QAbstractButton*>(widget)->text());
        case ControlKind::Bitmap:
            break;  // no control
    }
    return {};
}

std::vector<Control> CreateControls(QWidget& dialog, const DialogLayout& layout, EventSink& sink) {
    const BaseUnits units = BaseUnitsOf(dialog.font());
    std::vector<Control> controls;
    controls.reserve(static_cast<std::size_t>(layout.controlCount));
    for (const ControlLayout& c : layout) {
        if (IsBitmapRow(c)) continue;  // the canvas paints it
        QWidget* widget = CreateWidget(dialog, c, sink);
        QRect place = MapDialogRect(units, c.x, c.y, c.cx, c.cy);
        if (IsListKind(c.kind)) place.setHeight(ClosedComboHeight(dialog.font()));
        widget->setGeometry(place);
        if (c.style & kStyleDisabled) widget->setEnabled(false);
        if (c.style & kStyleHidden) widget->setVisible(false);
        controls.push_back(Control{&c, widget});
    }
    return controls;
}

}  // namespace trailcfg::qt
