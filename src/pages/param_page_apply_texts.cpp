#include "param_page_apply_texts.h"

#include "app/process_state.h"
#include "binding/bound_controls.h"
#include "binding/send_bindings.h"
#include "common/diag.h"
#include "pages/param_page_operator.h"
#include "pages/param_page_rules.h"
#include "texts/param_page_texts.h"
#include "ui/apply_texts.h"
#include "ui/window_titles.h"

namespace trailcfg::param {

void ApplyParamPageTexts(Dialog& dialog) {
    dialog.SetTitle(kTitleParamPage[g_iUiLanguage]);
    ApplyCaptions(dialog, kParamPageCaptions);
    ApplyCaptions(dialog, kFtpCaptions);

    AddListItems(dialog, kSendOptionList, kSendOptionItems);
    SelectSendOption(dialog, kSendByMms);

    AddListItems(dialog, kOperatorModeList, kOperatorModeItems);
    dialog.ListSelect(kOperatorModeList, 0);

    if (IsManualInput()) {
        ShowManualPlaceholder(dialog, kCountryList);
        ShowManualPlaceholder(dialog, kOperatorList);
    } else {
        // The entry of the language's index, China or the United States;
        // every option but Close 3G puts the record's country there instead.
        AddCountryNames(dialog);
        dialog.ListSelect(kCountryList, g_iUiLanguage);
        AddOperatorNames(dialog, g_sSendSet.byOperatorCountry);
        dialog.ListSelect(kOperatorList, 0);
    }

    Diag("## s_eFtpEditUse = %d ##\n", 0);

    AddListItems(dialog, kFtpDirTypeList, kFtpDirTypeItems);
    ShowBound(dialog, SendBinding("sFtpSet.iFtpDirType"), RecordBytes(g_sSendSet));
}

}  // namespace trailcfg::param
