#include "qt_application.h"

#include <QApplication>
#include <QProxyStyle>
#include <cstdlib>

namespace trailcfg::qt {

namespace {

// The desktop's own style, except that a masked edit shows asterisks as the
// program's users know them from Windows.
class ProgramStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

}  // namespace

bool HasDisplay() {
#if defined(__APPLE__) || defined(_WIN32)
    return true;
#else
    return Set("DISPLAY") || Set("WAYLAND_DISPLAY");
#endif
}

QApplication* EnsureApplication() {
    if (QCoreApplication* existing = QCoreApplication::instance()) {
        auto* app = qobject_cast<QApplication*>(existing);
        if (app && !dynamic_cast<ProgramStyle*>(app->style())) QApplication::setStyle(new ProgramStyle);
        return app;
    }
    // QApplication keeps references to argc and argv for its whole life.
    static char name[] = "trailcfg";
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* argv[] = {name, platformOption, offscreen, nullptr};
    static int argc = (HasDisplay() || Set("QT_QPA_PLATFORM")) ? 1 : 3;
    auto* app = new QApplication(argc, argv);
    // Pages come and go one at a time; a moment with no window is no reason
    // to quit, and nothing here runs QApplication::exec anyway.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new ProgramStyle);
    QApplication::setWindowIcon(AppIcon());
    return app;
}

QIcon AppIcon() { return QIcon(QStringLiteral(":/trailcfg/app.ico")); }

const QImage& BannerImage() {
    static const QImage banner = QImage(QStringLiteral(":/trailcfg/banner.bmp")).convertToFormat(QImage::Format_RGB32);
    return banner;
}

}  // namespace trailcfg::qt
