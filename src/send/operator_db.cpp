#include "operator_db.h"

#include <array>

#include "common/diag.h"
#include "common/gbk_literal.h"
#include "common/text_copy.h"

namespace trailcfg {

namespace {

struct CountryRow {
    TextPair name;
    std::uint8_t count;
};

struct OperatorRow {
    int country;
    int slot;
    TextPair name;
    NetParam net;
    MmsParam mms;
};

constexpr CountryRow kCountries[] = {
#define TRAILCFG_COUNTRY(zh, en, count) {{{GBK(zh), en}}, count},
#include "operator_data.inc"
#undef TRAILCFG_COUNTRY
};

constexpr OperatorRow kOperators[] = {
#define TRAILCFG_OPERATOR(country, slot, zh, en, apn, account, password, url, mmsApn, gateway, port, mmsAccount, \
                          mmsPassword)                                                                           \
    {country, slot, {{GBK(zh), en}}, {apn, account, password}, {url, mmsApn, gateway, port, mmsAccount, mmsPassword}},
#include "operator_data.inc"
#undef TRAILCFG_OPERATOR
};

struct SourceRow {
    int country;
    int slot;
    OperatorSource source;
};

constexpr SourceRow kSources[] = {
#define TRAILCFG_SOURCE(country, slot, release, mccMnc, carrier, mmsRelease, mmsCarrier, exceptions, gnome, gnomeApn, \
                        gnomeMmsApn, confirmedBy)                                                                     \
    {country,                                                                                                         \
     slot,                                                                                                            \
     {release, mccMnc, carrier, mmsRelease, mmsCarrier, exceptions, gnome, gnomeApn, gnomeMmsApn, confirmedBy}},
#include "operator_sources.inc"
#undef TRAILCFG_SOURCE
};

static_assert(std::size(kCountries) == kCountryCount);

constexpr NetParam kNoNet{"", "", ""};
constexpr MmsParam kNoMms{"", "", "", "", "", ""};

constexpr bool RowsAreWellFormed() {
    for (std::size_t i = 0; i < std::size(kOperators); ++i) {
        const OperatorRow& r = kOperators[i];
        if (r.country < 0 || r.country >= kCountryCount || r.slot < 0 || r.slot >= kOperatorSlots - 1) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kOperators[j].country == r.country && kOperators[j].slot == r.slot) return false;
    }
    return true;
}
static_assert(RowsAreWellFormed(), "an operator row names a slot outside 0..8 or a slot twice");

constexpr std::size_t Length(const char* s) {
    std::size_t n = 0;
    while (s[n] != '\0') ++n;
    return n;
}

// Every provisioning text fits the CFG.BIN field it is copied into.
constexpr bool ValuesFitFields() {
    static_assert(sizeof(SmtpSettings::sz3GSmtpApN) == 61 && sizeof(MmsSettings::szMmsGateway) == 17 &&
                  sizeof(MmsSettings::szMmsPort) == 9);
    for (const OperatorRow& r : kOperators) {
        if (!(Length(r.net.apn) <= 60 && Length(r.net.account) <= 32 && Length(r.net.password) <= 32 &&
              Length(r.mms.url) <= 60 && Length(r.mms.apn) <= 60 && Length(r.mms.gateway) <= 16 &&
              Length(r.mms.port) <= 8 && Length(r.mms.account) <= 32 && Length(r.mms.password) <= 32))
            return false;
    }
    return true;
}
static_assert(ValuesFitFields(), "a provisioning text is wider than its CFG.BIN field");

// Every listed slot has a row; names are never absent.
constexpr bool ListedSlotsAreNamed() {
    for (int c = 0; c < kCountryCount; ++c) {
        if (kCountries[c].count < 1 || kCountries[c].count > kOperatorSlots - 1) return false;
        for (int s = 0; s < kCountries[c].count; ++s) {
            bool found = false;
            for (const OperatorRow& r : kOperators) found = found || (r.country == c && r.slot == s);
            if (!found) return false;
        }
    }
    return true;
}
static_assert(ListedSlotsAreNamed(), "a country's count is out of range or one of its listed slots has no row");

// A listed operator can always be chosen and connect: the fill gives the
// camera a 3G access point and a complete MMS route.
constexpr bool ListedSlotsCanConnect() {
    for (const OperatorRow& r : kOperators) {
        if (r.slot >= kCountries[r.country].count) continue;
        if (!*r.net.apn || !*r.mms.url || !*r.mms.apn || !*r.mms.gateway || !*r.mms.port) return false;
    }
    return true;
}
static_assert(ListedSlotsCanConnect(), "a listed operator lacks its 3G APN, MMS URL, MMS APN, MMS gateway or MMS port");

// Every operator with texts says where they come from, and no source row
// names a slot without texts; two sources at most confirm a text.
constexpr bool EverySlotWithTextsHasASource() {
    for (const OperatorRow& r : kOperators) {
        int found = 0;
        for (const SourceRow& s : kSources) found += s.country == r.country && s.slot == r.slot;
        if (found != (*r.net.apn ? 1 : 0)) return false;
    }
    for (const SourceRow& s : kSources) {
        bool named = false;
        for (const OperatorRow& r : kOperators) named = named || (s.country == r.country && s.slot == r.slot);
        if (!named || s.source.confirmedBy < 0 || s.source.confirmedBy > 2) return false;
    }
    return true;
}
static_assert(EverySlotWithTextsHasASource(),
              "an operator with provisioning texts lacks its source row, or has two, or a count of sources not 0..2");

constexpr std::array<std::array<OperatorList, kCountryCount>, 2> BuildLists() {
    std::array<std::array<OperatorList, kCountryCount>, 2> lists{};
    for (int lang = 0; lang < 2; ++lang)
        for (int c = 0; c < kCountryCount; ++c) {
            lists[lang][c].byCount = kCountries[c].count;
            for (int s = 0; s < kOperatorSlots; ++s) lists[lang][c].aszName[s] = "";
        }
    for (const OperatorRow& r : kOperators)
        for (int lang = 0; lang < 2; ++lang) lists[lang][r.country].aszName[r.slot] = r.name[lang];
    return lists;
}

template <typename Cell, Cell OperatorRow::*member>
constexpr std::array<std::array<Cell, kOperatorSlots>, kCountryCount> BuildCells(const Cell& empty) {
    std::array<std::array<Cell, kOperatorSlots>, kCountryCount> cells{};
    for (auto& row : cells)
        for (auto& cell : row) cell = empty;
    for (const OperatorRow& r : kOperators) cells[r.country][r.slot] = r.*member;
    return cells;
}

// The tables in the shapes the pages read them: names by [language][country],
// provisioning by [country][slot].
constexpr auto g_aszCountryName = [] {
    std::array<TextPair, kCountryCount> names{};
    for (int c = 0; c < kCountryCount; ++c) names[c] = kCountries[c].name;
    return names;
}();
constexpr auto g_asOperatorList = BuildLists();
constexpr auto g_as3GNetParam = BuildCells<NetParam, &OperatorRow::net>(kNoNet);
constexpr auto g_asMmsParam = BuildCells<MmsParam, &OperatorRow::mms>(kNoMms);
constexpr OperatorSource kNoSource{"", "", "", "", "", "", "", "", "", 0};
constexpr auto g_asOperatorSource = [] {
    std::array<std::array<OperatorSource, kOperatorSlots>, kCountryCount> cells{};
    for (auto& row : cells)
        for (auto& cell : row) cell = kNoSource;
    for (const SourceRow& s : kSources) cells[s.country][s.slot] = s.source;
    return cells;
}();
constexpr TextPair kManualPlaceholder{{GBK("其他"), "Others"}};

bool InTables(int country, int op) { return country >= 0 && country < kCountryCount && op >= 0 && op < kOperatorSlots; }

int Lang(int language) { return language == 0 ? 0 : 1; }

}  // namespace

const TextPair& ManualPlaceholder() { return kManualPlaceholder; }

const OperatorList& OperatorListOf(int language, int country) { return g_asOperatorList[Lang(language)][country]; }
const NetParam& NetParamOf(int country, int slot) { return g_as3GNetParam[country][slot]; }
const MmsParam& MmsParamOf(int country, int slot) { return g_asMmsParam[country][slot]; }
const OperatorSource& OperatorSourceOf(int country, int slot) { return g_asOperatorSource[country][slot]; }

const char* CountryName(int country, int language) {
    if (country < 0 || country >= kCountryCount) return "";
    return g_aszCountryName[country][language];
}

int OperatorCount(int country, int language) {
    if (country < 0 || country >= kCountryCount) return 0;
    return g_asOperatorList[Lang(language)][country].byCount;
}

const char* OperatorName(int country, int op, int language) {
    if (!InTables(country, op)) return "";
    return g_asOperatorList[Lang(language)][country].aszName[op];
}

bool CopyMmsProvisioning(MmsSettings& out, int country, int op) {
    if (!InTables(country, op)) return false;
    const MmsParam& p = g_asMmsParam[country][op];
    CopyText(out.szMmsUrl, p.url);
    CopyText(out.szMmsApn, p.apn);
    CopyText(out.szMmsGateway, p.gateway);
    CopyText(out.szMmsPort, p.port);
    CopyText(out.szMmsAccount, p.account);
    CopyText(out.szMmsPassword, p.password);
    return true;
}

bool CopyNetProvisioning(SmtpSettings& out, int country, int op) {
    if (!InTables(country, op)) return false;
    const NetParam& p = g_as3GNetParam[country][op];
    CopyText(out.sz3GSmtpApN, p.apn);
    CopyText(out.sz3GSmtpAccount, p.account);
    CopyText(out.sz3GSmtpPassword, p.password);
    return true;
}

}  // namespace trailcfg
