#include "qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <filesystem>
#include <system_error>

#include "platform/layout.h"
#include "qt_application.h"
#include "qt_folder_text.h"
#include "qt_page_dialog.h"
#include "qt_probe.h"
#include "qt_system_language.h"
#include "qt_text.h"

namespace trailcfg {

namespace {

using qt::PageDialog;

PageDialog* AsPage(Dialog& dialog) { return dynamic_cast<PageDialog*>(&dialog); }

class QtPlatform final : public DrivablePlatform {
public:
    void SetDriver(Driver* driver) override { driver_ = driver; }

    int RunModal(Page& page) override {
        const DialogLayout* layout = FindDialogLayout(page.TemplateId());
        if (!layout) return kPageNotCreated;
        PageDialog dialog(*layout, page, driver_ != nullptr);
        // As with WM_INITDIALOG, the page fills itself in before it shows.
        page.OnOpen(dialog);
        if (dialog.Ended()) return dialog.Result();
        if (!driver_) {
            dialog.RunEventLoop();
            return dialog.Result();
        }
        dialog.show();
        qt::PageProbe probe(dialog);
        while (!dialog.Ended()) {
            // Let Qt finish what the last step set in motion (layout,
            // painting, posted events) before the driver looks.
            QCoreApplication::processEvents();
            if (dialog.Ended()) break;
            if (!driver_ || !driver_->Act(dialog, probe)) return kPageAbandoned;
        }
        return dialog.Result();
    }

    std::uint16_t SystemDefaultLanguage() override {
        if (driver_) return driver_->SystemDefaultLanguage();
        return qt::LanguageIdFor(QLocale::system());
    }

    bool CurrentDirectory(std::string& folder) override {
        std::error_code error;
        const std::filesystem::path cwd = std::filesystem::current_path(error);
        return !error && qt::FolderAsGbk(cwd.native(), folder);
    }

    LocalTime Now() override {
        if (driver_) return driver_->Now();
        const QDateTime now = QDateTime::currentDateTime();
        const QDate d = now.date();
        const QTime t = now.time();
        return LocalTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
    }

    bool BrowseFolder(Dialog& owner, std::string& folder) override {
        if (driver_) return driver_->AnswerFolder(folder);
        const QString chosen = QFileDialog::getExistingDirectory(AsPage(owner), QString(), QString(),
                                                                 QFileDialog::ShowDirsOnly);
        if (chosen.isEmpty()) return false;
        return qt::FolderAsGbk(QFile::encodeName(chosen).toStdString(), folder);
    }

    void ShowMessage(Dialog& owner, const char* text, const char* caption, MessageIcon icon) override {
        const std::string gbkText = text ? text : "";
        const std::string gbkCaption = caption ? caption : "";
        if (driver_) {
            driver_->RecordMessage(gbkCaption, gbkText, icon);
            return;
        }
        QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                        qt::FromGbk(gbkCaption), qt::WithQtLineBreaks(qt::FromGbk(gbkText)), QMessageBox::Ok,
                        AsPage(owner));
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    void StartTimer(Dialog& dialog, int timerId, int periodMs) override {
        if (PageDialog* page = AsPage(dialog)) page->StartTimer(timerId, periodMs);
    }

    void StopTimer(Dialog& dialog, int timerId) override {
        if (PageDialog* page = AsPage(dialog)) page->StopTimer(timerId);
    }

private:
    Driver* driver_ = nullptr;
};

}  // namespace

std::unique_ptr<DrivablePlatform> MakeQtPlatform() {
    if (!qt::EnsureApplication()) return nullptr;
    return std::make_unique<QtPlatform>();
}

}  // namespace trailcfg
