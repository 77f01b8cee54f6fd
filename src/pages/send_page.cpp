// The 3G send settings page (template 106): where pictures go, how many, how
// large, and the remote control. Events are routed to one handler each.
#include "app/navigation.h"
#include "pages/generate.h"
#include "pages/pages.h"
#include "pages/send_page_controls.h"
#include "pages/send_page_handlers.h"
#include "platform/layout.h"
#include "rules/generate_rules.h"
#include "ui/input_helpers.h"

namespace trailcfg {

namespace {

using namespace send_page;

class SendPage final : public Page {
public:
    explicit SendPage(Platform& platform) : platform_(platform) {}

    int TemplateId() const override { return kTemplateSendPage; }

    void OnOpen(Dialog& dialog) override { ShowSendPage(dialog); }

    void OnEvent(Dialog& dialog, const Event& event) override {
        switch (event.type) {
            case EventType::TextChanged:
                OnTextChanged(dialog, event.id);
                break;
            case EventType::FocusLost:
                if (event.id == kRemoteEmail) OnReceiverEmailLeft(dialog);
                break;
            case EventType::SelChanged:
            case EventType::SelConfirmed:
                if (event.id == kRemoteIntervalList) OnRemoteIntervalNotice(dialog);
                break;
            case EventType::Clicked:
                OnClicked(dialog, event.id);
                break;
            case EventType::Close:
                dialog.End(0);
                OpenStartPage();
                break;
            default:
                // Enter and Escape must not leave the page.
                break;
        }
    }

private:
    // Each edit keeps to what its row takes: the coordinates to their
    // ranges, phone numbers to their characters, numbers to digits.
    void OnTextChanged(Dialog& dialog, int id) {
        if (CheckCoordinateEdit(platform_, dialog, id)) return;
        const FieldBinding* row = RowOfControl(id);
        if (!row) return;
        if (row->rule == TextRule::PhoneNumber)
            FilterEditChars(dialog, id, kPhoneChars);
        else if (row->bind == Bind::Number)
            FilterEditChars(dialog, id, kDigits);
    }

    void OnClicked(Dialog& dialog, int id) {
        switch (id) {
            case kNoCmd22Box:
                OnNoCmd22Clicked(dialog);
                break;
            case kBrowseButton:
                BrowseSaveFolder(platform_, dialog, kSaveFolderEdit);
                break;
            case kGenerateButton:
                GenerateSendSettings(platform_, dialog);
                break;
            case kPreviousButton:
                OnPreviousPage(dialog);
                break;
            default:
                break;
        }
    }

    Platform& platform_;
};

}  // namespace

std::unique_ptr<Page> MakeSendPage(Platform& platform) { return std::make_unique<SendPage>(platform); }

}  // namespace trailcfg
