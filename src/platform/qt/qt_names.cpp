#include "qt_names.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "platform/control_names.h"
#include "qt_list.h"
#include "qt_static.h"
#include "qt_text.h"

namespace trailcfg::qt {

namespace {

const Control* Find(const std::vector<Control>& controls, int id) {
    for (const Control& c : controls)
        if (c.layout->id == id) return &c;
    return nullptr;
}

QString TextOf(const Control& c) {
    switch (c.layout->kind) {
        case ControlKind::GroupBox:
            return static_cast<GroupFrame*>(c.widget)->Title();
        case ControlKind::Label:
            return static_cast<QLabel*>(c.widget)->text();
        case ControlKind::DropDownList:
        case ControlKind::DropDownCombo:
            return static_cast<ListControl*>(c.widget)->SelectedText();
        case ControlKind::CheckBox:
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            return static_cast<QAbstractButton*>(c.widget)->text();
        case ControlKind::Edit:
            break;  // what the user typed names nothing
        case ControlKind::Bitmap:
            break;  // no control
    }
    return {};
}

// Qt's own interface for a combo box on Linux names it by its current entry
// and leaves the label to a relation, which says nothing of a row and a
// column. A list here says its name, and its entry as its value.
class ListAccessible final : public QAccessibleWidget {
public:
    explicit ListAccessible(ListControl* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const auto* list = static_cast<const ListControl*>(widget());
        if (t == QAccessible::Name && !list->accessibleName().isEmpty()) return list->accessibleName();
        if (t == QAccessible::Value) return list->SelectedText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* ListAccessibleFactory(const QString&, QObject* object) {
    if (auto* list = dynamic_cast<ListControl*>(object)) return new ListAccessible(list);
    return nullptr;
}

}  // namespace

void NameControls(const DialogLayout& layout, const std::vector<Control>& controls) {
    static const bool installed = (QAccessible::installFactory(&ListAccessibleFactory), true);
    (void)installed;
    for (int i = 0; i < layout.labelCount; ++i) {
        const LabelLink& link = layout.labels[i];
        const Control* target = Find(controls, link.control);
        if (!target) continue;
        const std::string name = ControlName(link, [&controls](int id) {
            const Control* part = Find(controls, id);
            return part ? ToGbk(TextOf(*part)) : std::string();
        });
        target->widget->setAccessibleName(FromGbk(name));
        const Control* label = Find(controls, link.parts[0]);
        if (label && label->layout->kind == ControlKind::Label && NamedByLabelAlone(link))
            static_cast<QLabel*>(label->widget)->setBuddy(target->widget);
    }
}

}  // namespace trailcfg::qt
