#include "generate.h"

#include "app/process_state.h"
#include "app/send_hand_over.h"
#include "app/state_files.h"
#include "binding/bound_controls.h"
#include "common/card_lock.h"
#include "common/diag.h"
#include "pages/send_page_controls.h"
#include "pages/send_page_rows.h"
#include "rules/generate_rules.h"
#include "send/cfg_file.h"
#include "send/generate_checks.h"
#include "ui/message_texts.h"

namespace trailcfg {

namespace {

using namespace send_page;

void StampTime(Platform& platform) {
    LocalTime now = platform.Now();
    Diag("Sytem time: %d-%d-%d, %d:%d:%d\n", now.year, now.month, now.day, now.hour, now.minute, now.second);
    SendTime& t = g_sSendSet.sTime;
    t = MakeSendTime(now.year, now.month, now.day, now.hour, now.minute, now.second);
    sLastGenTime = GenTime{t.byYear, t.byMonth, t.byDay, t.byHour, t.byMinute, t.bySecond};
}

// The edits the user sees: the remote texts, the daily limit, the recipients
// with their lengths.
void CollectEdits(const Dialog& page) {
    StorePageRows(page, g_sSendSet, Take::ShownEdits);
    Diag("EDIT_MAX_SEND_IMG_NUM val=%d\n", EditNumber(page, kMaxSentEdit));
}

void CollectRemoteControl(const Dialog& page) {
    g_sSendSet.byRemoteInterval = RemoteIntervalAt(page.ListSelection(kRemoteIntervalList));
    g_sSendSet.byRemoteSwitch = RemoteSwitchFor(g_sSendSet.byRemoteInterval);
}

void SetFileName() {
    SetGeneratedFileName(g_sSendSet);
    Diag("** **");
}

// The camera is always told to send at once, whatever the lists show.
void CollectSendModeAndSize(const Dialog& page) {
    StorePageRows(page, g_sSendSet, Take::ShownLists);
    SetSendAtOnce(g_sSendSet);
    Diag(":: Get SendMode=%d\n", g_sSendSet.bySendMode);
    Diag(":: Get SendImgSize=%d\n", g_sSendSet.bySendImgSize);
}

bool Refused(Platform& platform, Dialog& page, CheckResult result) {
    if (!result) return false;
    platform.ShowMessage(page, GenerateMessageText(*result)[g_iUiLanguage], kCaptionWarning[g_iUiLanguage],
                         MessageIcon::Warning);
    return true;
}

}  // namespace

void GenerateSendSettings(Platform& platform, Dialog& page) {
    StampTime(platform);
    CollectEdits(page);
    // The option is the parameter page's, as the user left its list there:
    // the record may still hold another one.
    TakeSendOptionChoice();
    if (Refused(platform, page, CheckRecipients(g_sSendSet))) return;
    if (g_sSendSet.bySendBy != kSendByClose3G) {
        CollectRemoteControl(page);
        if (Refused(platform, page, CheckRemoteControl(g_sSendSet, g_bNoCmd22))) return;
    }
    SetFileName();
    if (Refused(platform, page, CheckMmsParameters(g_sSendSet))) return;
    if (Refused(platform, page, CheckDataNetwork(g_sSendSet, g_bNoCmd22))) return;
    CollectSendModeAndSize(page);

    switch (WriteVerifiedSendSettings()) {
        case CardWrite::Confirmed:
            platform.ShowMessage(page, GenerateMessageText(GenerateMessage::Success)[g_iUiLanguage],
                                 kCaptionNotice[g_iUiLanguage], MessageIcon::Information);
            break;
        case CardWrite::NotConfirmed:
            Diag("Generate fail!\n");
            break;
        case CardWrite::Busy:
            // Not a fault of the card or the settings: the user may simply
            // press Generate again, and must be told so.
            Diag("Generate fail!\n");
            platform.ShowMessage(page, kTextCardBusy[g_iUiLanguage], kCaptionWarning[g_iUiLanguage],
                                 MessageIcon::Warning);
            break;
    }
}

}  // namespace trailcfg
