// The page side of the operator database on the 3G parameter page: the
// country and operator lists, the switch between database and manual input,
// and the fills, which take their country and operator from the two lists.
#pragma once

#include "platform/port.h"

namespace trailcfg::param {

// byOperatorCountry holds the manual-input marker.
bool IsManualInput();

// Appends the 43 country names / the listed operators of `country`, in
// g_iUiLanguage.
void AddCountryNames(Dialog& dialog);
void AddOperatorNames(Dialog& dialog, int country);

// Empties the list and leaves "其他" / "Others" in it, selected.
void ShowManualPlaceholder(Dialog& dialog, int listId);

// manual 1: both lists disabled with the placeholder alone, the mode list on
// manual input. manual 0: the mode list on the database, the country list
// (refilled when s_bRefillCountryList asks for it) on byOperatorCountry, the
// operator list rebuilt for that country on byOperator; both enabled.
void ShowOperatorChoice(Dialog& dialog, int manual);

// The lists' selections as a fill uses them. A list can be left without a
// selection (a stored byOperator beyond the country's list, or a reopening
// in manual mode with byOperator above 0); the fill then takes the first
// entry instead of an index of -1.
int SelectedCountry(const Dialog& dialog);
int SelectedOperator(const Dialog& dialog);

// FillMmsFromDatabase / Fill3GNetFromDatabase with the lists' selections.
// Under Email the 3G network edits show what the fill put into the record.
void FillMmsFromLists(const Dialog& dialog);
void Fill3GNetFromLists(Dialog& dialog);

}  // namespace trailcfg::param
