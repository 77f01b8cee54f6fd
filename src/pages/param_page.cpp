// The 3G parameter settings page (template 107): how it opens, one handler
// per user action, and the two ways out (Next Page and the close box).
//
// The page works on g_sSendSet directly: a list choice is stored at once, an
// edit's text only on Next Page. Leaving either way keeps the record for
// every later opening (app/send_hand_over.h).

#include "app/navigation.h"
#include "app/process_state.h"
#include "app/send_hand_over.h"
#include "app/state_files.h"
#include "binding/bound_controls.h"
#include "common/diag.h"
#include "common/text_copy.h"
#include "pages/pages.h"
#include "pages/param_page_apply_texts.h"
#include "pages/param_page_controls.h"
#include "pages/param_page_fields.h"
#include "pages/param_page_operator.h"
#include "pages/param_page_rules.h"
#include "platform/layout.h"
#include "send/cfg_file.h"
#include "send/operator_db.h"
#include "texts/param_page_texts.h"
#include "ui/apply_texts.h"
#include "ui/input_helpers.h"
#include "ui/start_page_texts.h"

namespace trailcfg {

namespace {

using namespace param;

// The highest operator position a country's list can show.
constexpr int kLastOperator = kOperatorSlots - 2;

void SetUpFixedControls(Dialog& dialog) {
    AddListItems(dialog, kMmsApnKindList, kMmsApnKindItems);
    dialog.ListSelect(kMmsApnKindList, 0);
    dialog.Enable(kMmsApnKindList, false);

    dialog.Enable(kOutboxAccountLabel, false);
    EnableAll(dialog, kOutboxEdits, false);
    dialog.Enable(kOutboxAccountEdit, false);
    dialog.SetMasked(kOutboxPasswordEdit, true);

    // Left over from an earlier layout; filled as it was, never shown.
    AddListItems(dialog, kHiddenLanguageList, kLanguageNames);
    dialog.ListSelect(kHiddenLanguageList, g_iUiLanguage);
    dialog.SetText(kHiddenVersionLabel, kVersionText);
    for (int id : {kDirPortLabel, kHiddenLanguageList, kHiddenVersionLabel}) {
        dialog.Enable(id, false);
        dialog.Show(id, false);
    }
    LimitEdits(dialog, kSendBindings, kTemplateParamPage);
    dialog.SetMasked(kFtpPasswordEdit, true);
}

// CFG.BIN at the first opening of a run, else the state the pages left.
void LoadRecord(Dialog& dialog) {
    if (s_bParamPageFirstOpen == 1) {
        s_bParamPageFirstOpen = 0;
        if (ReadSendSettings(0) != 1) {
            LoadSendDefaults();
            dialog.Enable(kFtpDirEdit, false);
        }
    } else {
        StartFromKeptSendSet();
    }
}

// There is no factory mode: what the page writes never asks for the debug
// server.
void TurnOffFactoryDebug(Dialog& dialog) {
    for (int id : {kFactoryDebugCheck, kFactoryDebugLabel}) {
        dialog.Enable(id, false);
        dialog.Show(id, false);
    }
    dialog.SetCheck(kFactoryDebugCheck, false);
    g_sSendSet.byDebugFlag = 0;
}

// Before any list is filled from them.
void GuardRanges() {
    if (g_sSendSet.byOperatorCountry > kManualCountry) g_sSendSet.byOperatorCountry = 0;
    if (g_sSendSet.byOperator > kLastOperator) g_sSendSet.byOperator = 0;
}

// What choosing a send option empties on screen; the record keeps the values.
void EmptyForOption(Dialog& dialog, int option) {
    bool keepOutbox = g_sSendSet.byRemoteSwitch == 1;
    switch (option) {
        case kSendByMms:
            EmptyAll(dialog, k3GEdits);
            if (!keepOutbox) EmptyAll(dialog, kOutboxEdits);
            break;
        case kSendByEmail:
            EmptyAll(dialog, kMmsEdits);
            break;
        case kSendByFtp:
            EmptyAll(dialog, kFtpTextEdits);
            ApplyCaptions(dialog, kFtpCaptions);
            break;
        default:
            EmptyAll(dialog, kMmsEdits);
            EmptyAll(dialog, k3GEdits);
            if (!keepOutbox) EmptyAll(dialog, kOutboxEdits);
            break;
    }
}

// Both fills together, as every choice of country or operator makes them.
void FillFromLists(Dialog& dialog) {
    FillMmsFromLists(dialog);
    Fill3GNetFromLists(dialog);
    if (g_sSendSet.bySendBy == kSendByMms) ShowFields(dialog, kMmsFields);
}

class ParameterPage final : public Page {
public:
    int TemplateId() const override { return kTemplateParamPage; }

    void OnOpen(Dialog& dialog) override {
        dialog.SetSmallIcon(kIconApp);
        SetUpFixedControls(dialog);
        LoadRecord(dialog);
        TurnOffFactoryDebug(dialog);
        GuardRanges();
        ApplyParamPageTexts(dialog);
        if (IsBasicModel(g_iCameraModel)) g_sSendSet.bySendImgSize = 1;
        Diag("#\t bySendBy=%d, byOperatorCountry=%d \t#\n", g_sSendSet.bySendBy, g_sSendSet.byOperatorCountry);
        ApplySendOption(dialog);
        dialog.ListSelect(kOperatorList, g_sSendSet.byOperator);
        dialog.ListSelect(kFtpDirTypeList, g_sSendSet.sFtpSet.iFtpDirType);
        if (g_sSendSet.bySendBy == kSendByMms) ShowFields(dialog, kMmsFields);
        if (g_sSendSet.bySendBy == kSendByEmail || g_sSendSet.byRemoteSwitch == 1) {
            ShowFields(dialog, k3GFields);
            ShowFields(dialog, kOutboxFields);
        }
    }

    void OnEvent(Dialog& dialog, const Event& event) override {
        switch (event.type) {
            case EventType::SelConfirmed:
                if (event.id == kSendOptionList) OnSendOptionChosen(dialog);
                if (event.id == kOperatorModeList) OnOperatorModeChosen(dialog);
                if (event.id == kCountryList) OnCountryChosen(dialog);
                break;
            case EventType::SelChanged:
                if (event.id == kOperatorList) OnOperatorChosen(dialog);
                if (event.id == kFtpDirTypeList) OnDirTypeChosen(dialog);
                break;
            case EventType::TextChanged:
                if (event.id == kMmsPortEdit || event.id == kOutboxPortEdit || event.id == kFtpPortEdit)
                    FilterEditChars(dialog, event.id, kDigits);
                if (event.id == kOutboxAddressEdit) OnOutboxAddressChanged(dialog);
                break;
            case EventType::Clicked:
                if (event.id == kNextPageButton) OnNextPage(dialog);
                break;
            case EventType::Close:
                OnClose(dialog);
                break;
            default:
                // Enter and Escape do not leave this page.
                break;
        }
    }

private:
    static void OnSendOptionChosen(Dialog& dialog) {
        int option = ChosenSendOption(dialog);
        g_sSendSet.bySendBy = static_cast<std::uint8_t>(option);
        KeepSendOptionChoice(dialog);
        Diag("DebugFlag = %d\n", g_sSendSet.byDebugFlag);
        g_sSendSet.byDebugFlag = 0;
        dialog.SetLimit(kFtpDirEdit, 32);
        dialog.SetMasked(kFtpPasswordEdit, true);
        EmptyForOption(dialog, option);
        ApplySendOption(dialog);
    }

    static void OnOperatorModeChosen(Dialog& dialog) {
        int item = dialog.ListSelection(kOperatorModeList);
        if (item == 1 && !IsManualInput()) {
            g_sSendSet.byOperatorCountry = kManualCountry;
            ApplySendOption(dialog);
            ClearFields(kMmsFields);
            ClearFields(k3GFields);
            ShowFields(dialog, kMmsFields);
            ShowFields(dialog, k3GFields);
        } else if (item == 0 && IsManualInput()) {
            // Both lists still hold the placeholder alone: the fills take
            // the first country and its first operator.
            s_bRefillCountryList = 1;
            g_sSendSet.byOperatorCountry = 0;
            g_sSendSet.byOperator = 0;
            FillMmsFromLists(dialog);
            Fill3GNetFromLists(dialog);
            ShowFields(dialog, kMmsFields);
            ApplySendOption(dialog);
        }
    }

    static void OnCountryChosen(Dialog& dialog) {
        int country = dialog.ListSelection(kCountryList);
        if (country < 0 || country >= kCountryCount || country == g_sSendSet.byOperatorCountry) return;
        g_sSendSet.byOperatorCountry = static_cast<std::uint8_t>(country);
        g_sSendSet.byOperator = 0;
        ApplySendOption(dialog);
        FillFromLists(dialog);
    }

    static void OnOperatorChosen(Dialog& dialog) {
        int op = dialog.ListSelection(kOperatorList);
        if (op < 0 || op > kLastOperator || op == g_sSendSet.byOperator) return;
        g_sSendSet.byOperator = static_cast<std::uint8_t>(op);
        FillFromLists(dialog);
    }

    static void OnDirTypeChosen(Dialog& dialog) {
        int type = dialog.ListSelection(kFtpDirTypeList);
        if (type < 0) return;
        FtpSettings& ftp = g_sSendSet.sFtpSet;
        ftp.iFtpDirType = type;
        if (type == 1) {
            dialog.Enable(kFtpDirEdit, true);
        } else {
            CopyText(ftp.szFtpDir, "/");
            dialog.Enable(kFtpDirEdit, false);
        }
        ShowText(dialog, kFtpDirEdit, FieldText(ftp.szFtpDir));
    }

    // The outbox account is the address; an emptied address keeps the last one.
    static void OnOutboxAddressChanged(Dialog& dialog) {
        std::string address = dialog.GetText(kOutboxAddressEdit);
        if (!address.empty()) dialog.SetText(kOutboxAccountEdit, address.c_str());
    }

    static void OnNextPage(Dialog& dialog) {
        SendSettings& s = g_sSendSet;
        if (dialog.ListSelection(kOperatorModeList) == 1) {
            StoreFields(dialog, kMmsFields);
        } else {
            FillMmsFromLists(dialog);
            Fill3GNetFromLists(dialog);
        }
        Diag("g_sSendSet.byRemoteSwitch=%d\n", s.byRemoteSwitch);
        if (s.bySendBy == kSendByEmail || s.byRemoteSwitch == 1) {
            FieldRows outbox(kOutboxFields);
            StoreFields(dialog, k3GFields);
            StoreFields(dialog, outbox.first(1));
            Diag("** szServer:%.*s\n", BOUNDED(s.sSmtpSet.szServer));
            StoreFields(dialog, outbox.subspan(1));
        }
        if (s.bySendBy == kSendByFtp) {
            StoreFields(dialog, kFtpFields);
            // A stored type the list does not know shows no selection; it
            // then stays as it was rather than becoming -1.
            StoreBound(dialog, SendBinding("sFtpSet.iFtpDirType"), RecordBytes(s));
            StoreFields(dialog, k3GFields);
        }
        KeepSendSetForNextOpening();
        Diag(":: NEXT_PAGE, OperatorCountry=%d, uwMaxSendImgNum=%d\n", s.byOperatorCountry,
             static_cast<int>(s.uwMaxSendImgNum));
        Diag(":: NEXT_PAGE, FTP Server=%.*s, FTP Port=%d\n", BOUNDED(s.sFtpSet.szServer),
             static_cast<int>(s.sFtpSet.iPort));
        KeepSendOptionChoice(dialog);
        dialog.End(0);
        OpenSendPage();
    }

    // Typed texts are not stored; list choices already are.
    static void OnClose(Dialog& dialog) {
        KeepSendOptionChoice(dialog);
        KeepSendSetForNextOpening();
        dialog.End(0);
        OpenStartPage();
    }
};

}  // namespace

std::unique_ptr<Page> MakeParameterPage(Platform&) { return std::make_unique<ParameterPage>(); }

}  // namespace trailcfg
