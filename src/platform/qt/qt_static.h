// Controls that only show something: static text and the group frame.
#pragma once

#include <QLabel>
#include <QWidget>

namespace trailcfg::qt {

// Static text as Windows draws it: from the top left (or centred), wrapped
// at word boundaries, never read as markup.
QLabel* CreateLabel(QWidget* parent, bool centred);

// A Windows group box: the frame's top edge runs through the middle of the
// caption line even when there is no caption, and the frame neither holds
// the controls drawn over it nor takes their mouse clicks.
class GroupFrame final : public QWidget {
public:
    explicit GroupFrame(QWidget* parent);

    void SetTitle(const QString& title);
    const QString& Title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};

}  // namespace trailcfg::qt
