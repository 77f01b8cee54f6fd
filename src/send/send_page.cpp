// The 3G send settings page (template 106).
// Its behaviour is not built yet: it shows its layout and goes back to the start page when closed.
#include "app/navigation.h"
#include "app/pages.h"
#include "app/process_state.h"
#include "platform/layout.h"
#include "ui/window_titles.h"

namespace trailcfg {

namespace {

class SendPage final : public Page {
public:
    int TemplateId() const override { return kTemplateSendPage; }

    void OnOpen(Dialog& dialog) override {
        dialog.SetSmallIcon(kIconApp);
        dialog.SetTitle(kTitleSendPage[g_iUiLanguage]);
    }

    void OnEvent(Dialog& dialog, const Event& event) override {
        if (event.type != EventType::Close) return;
        dialog.End(0);
        OpenStartPage();
    }
};

}  // namespace

std::unique_ptr<Page> MakeSendPage(Platform&) { return std::make_unique<SendPage>(); }

}  // namespace trailcfg
