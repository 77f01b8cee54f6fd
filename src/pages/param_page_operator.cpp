#include "param_page_operator.h"

#include "app/process_state.h"
#include "app/state_files.h"
#include "pages/param_page_controls.h"
#include "pages/param_page_fields.h"
#include "send/operator_db.h"

namespace trailcfg::param {

namespace {

// A selection that names no entry reads as the first entry.
int SelectionOrFirst(const Dialog& dialog, int listId) {
    int selected = dialog.ListSelection(listId);
    return selected < 0 ? 0 : selected;
}

}  // namespace

bool IsManualInput() { return g_sSendSet.byOperatorCountry == kManualCountry; }

void AddCountryNames(Dialog& dialog) {
    for (int country = 0; country < kCountryCount; ++country)
        dialog.ListAdd(kCountryList, CountryName(country, g_iUiLanguage));
}

void AddOperatorNames(Dialog& dialog, int country) {
    int count = OperatorCount(country, g_iUiLanguage);
    for (int op = 0; op < count; ++op) dialog.ListAdd(kOperatorList, OperatorName(country, op, g_iUiLanguage));
}

void ShowManualPlaceholder(Dialog& dialog, int listId) {
    dialog.ListEmpty(listId);
    dialog.ListAdd(listId, ManualPlaceholder()[g_iUiLanguage]);
    dialog.ListSelect(listId, 0);
}

void ShowOperatorChoice(Dialog& dialog, int manual) {
    if (manual == 1) {
        dialog.ListSelect(kOperatorModeList, 1);
        for (int listId : {kCountryList, kOperatorList}) {
            dialog.Enable(listId, false);
            ShowManualPlaceholder(dialog, listId);
        }
        return;
    }
    dialog.ListSelect(kOperatorModeList, 0);
    dialog.Enable(kCountryList, true);
    if (s_bRefillCountryList == 1) {
        dialog.ListEmpty(kCountryList);
        AddCountryNames(dialog);
        s_bRefillCountryList = 0;
    }
    dialog.ListSelect(kCountryList, g_sSendSet.byOperatorCountry);
    dialog.Enable(kOperatorList, true);
    dialog.ListEmpty(kOperatorList);
    AddOperatorNames(dialog, g_sSendSet.byOperatorCountry);
    dialog.ListSelect(kOperatorList, g_sSendSet.byOperator);
}

int SelectedCountry(const Dialog& dialog) { return SelectionOrFirst(dialog, kCountryList); }

int SelectedOperator(const Dialog& dialog) { return SelectionOrFirst(dialog, kOperatorList); }

void FillMmsFromLists(const Dialog& dialog) { FillMmsFromDatabase(SelectedCountry(dialog), SelectedOperator(dialog)); }

void Fill3GNetFromLists(Dialog& dialog) {
    Fill3GNetFromDatabase(SelectedCountry(dialog), SelectedOperator(dialog));
    if (g_sSendSet.bySendBy == kSendByEmail) ShowFields(dialog, k3GFields);
}

}  // namespace trailcfg::param
