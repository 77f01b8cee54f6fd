#include "qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <filesystem>
#include <system_error>

#include "platform/backend.h"
#include "platform/layout.h"
#include "qt_application.h"
#include "qt_folder_text.h"
#include "qt_page_dialog.h"
#include "qt_system_language.h"
#include "qt_text.h"

namespace trailcfg {

namespace {

using qt::PageDialog;

PageDialog* AsPage(Dialog& dialog) { return dynamic_cast<PageDialog*>(&dialog); }

class QtPlatform final : public BackendPlatform {
public:
    int RunModal(Page& page) override {
        const DialogLayout* layout = FindDialogLayout(page.TemplateId());
        if (!layout) return kPageNotCreated;
        PageDialog dialog(*layout, page, AttachedDriver() != nullptr);
        // As with WM_INITDIALOG, the page fills itself in before it shows.
        page.OnOpen(dialog);
        if (dialog.Ended()) return dialog.Result();
        if (!AttachedDriver()) {
            dialog.RunEventLoop();
            return dialog.Result();
        }
        dialog.show();
        return DriveUntilEnded(dialog, [] { QCoreApplication::processEvents(); });
    }

    bool CurrentDirectory(std::string& folder) override {
        std::error_code error;
        const std::filesystem::path cwd = std::filesystem::current_path(error);
        return !error && qt::FolderAsGbk(cwd.native(), folder);
    }

private:
    std::uint16_t PersonLanguage() override { return qt::LanguageIdFor(QLocale::system()); }

    LocalTime PersonNow() override {
        const QDateTime now = QDateTime::currentDateTime();
        const QDate d = now.date();
        const QTime t = now.time();
        return LocalTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
    }

    bool PersonBrowseFolder(Dialog& owner, std::string& folder) override {
        const QString chosen =
            QFileDialog::getExistingDirectory(AsPage(owner), QString(), QString(), QFileDialog::ShowDirsOnly);
        if (chosen.isEmpty()) return false;
        return qt::FolderAsGbk(QFile::encodeName(chosen).toStdString(), folder);
    }

    void PersonShowMessage(Dialog& owner, const std::string& text, const std::string& caption,
                           MessageIcon icon) override {
        QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                        qt::FromGbk(caption), qt::WithQtLineBreaks(qt::FromGbk(text)), QMessageBox::Ok, AsPage(owner));
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
};

}  // namespace

std::unique_ptr<DrivablePlatform> MakeQtPlatform() {
    if (!qt::EnsureApplication()) return nullptr;
    return std::make_unique<QtPlatform>();
}

}  // namespace trailcfg
