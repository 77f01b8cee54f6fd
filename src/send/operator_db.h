// The built-in operator database: 43 countries, their operators, and each
// operator's 3G network and MMS provisioning texts. Constant, compiled in.
#pragma once

#include <cstdint>

#include "common/text_pair.h"
#include "send_settings.h"

namespace trailcfg {

inline constexpr int kCountryCount = 43;
inline constexpr int kOperatorSlots = 10;  // per country; lists show at most 9

struct NetParam {
    const char* apn;
    const char* account;
    const char* password;
};

struct MmsParam {
    const char* url;
    const char* apn;
    const char* gateway;
    const char* port;
    const char* account;
    const char* password;
};

struct OperatorList {
    std::uint8_t byCount;
    const char* aszName[kOperatorSlots];
};

// Where a slot's provisioning texts come from: the published Android APN
// database entries that tools/apn/operator_sources.tsv names for it, and the
// access points of GNOME's mobile broadband provider database it is held
// against. Texts are UTF-8 (carrier and provider names are the databases'
// own), shown to users, never written to a file. An empty release: the
// operator is in no Android file; an empty gnome: not in GNOME's; a slot
// without texts has an all-empty source.
struct OperatorSource {
    const char* release;     // the data entry's, e.g. "lineage-current"
    const char* mccMnc;      // e.g. "262-01"
    const char* carrier;     // the data entry's carrier name
    const char* mmsRelease;  // the MMS entry's release and carrier name
    const char* mmsCarrier;
    const char* exceptions;   // record fields whose text is an explained exception, blank-separated
    const char* gnome;        // GNOME's country code and provider, e.g. "de/T-Mobile(Telekom)"
    const char* gnomeApn;     // its data access point, "-" for none
    const char* gnomeMmsApn;  // its MMS access point, "-" for none
    int confirmedBy;          // sources that confirm every text: 2, 1, or 0 (unconfirmed)
};

// The single entry of both lists in manual mode: "其他" / "Others".
const TextPair& ManualPlaceholder();

// The tables' cells; country 0..42, slot 0..9, language 0..1.
const OperatorList& OperatorListOf(int language, int country);
const NetParam& NetParamOf(int country, int slot);
const MmsParam& MmsParamOf(int country, int slot);
const OperatorSource& OperatorSourceOf(int country, int slot);

// Country 0..42, operator 0..8 (slot 9 and anything outside give "" / 0).
const char* CountryName(int country, int language);
int OperatorCount(int country, int language);
const char* OperatorName(int country, int op, int language);

// Copy a slot's provisioning into a record's MMS texts / 3G network texts.
// An index outside the tables copies nothing and gives false.
bool CopyMmsProvisioning(MmsSettings& out, int country, int op);
bool CopyNetProvisioning(SmtpSettings& out, int country, int op);

}  // namespace trailcfg
