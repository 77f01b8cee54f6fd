#include <cctype>
#include <charconv>
#include <string_view>
#include <vector>

#include "binding/send_bindings.h"
#include "commands.h"
#include "common/suggest.h"
#include "explain.h"
#include "field_values.h"
#include "send/operator_db.h"
#include "send/send_settings.h"

namespace trailcfg::cli {

namespace {

// The provisioning in the order of the page's groups, by the fields' rows.
struct Provisioning {
    const FieldBinding* row;
    const char* (*value)(int country, int op);
};

constexpr Provisioning kProvisioning[] = {
    {&SendBinding("sSmtpSet.sz3GSmtpApN"), [](int c, int o) { return NetParamOf(c, o).apn; }},
    {&SendBinding("sSmtpSet.sz3GSmtpAccount"), [](int c, int o) { return NetParamOf(c, o).account; }},
    {&SendBinding("sSmtpSet.sz3GSmtpPassword"), [](int c, int o) { return NetParamOf(c, o).password; }},
    {&SendBinding("sMmsSet.szMmsUrl"), [](int c, int o) { return MmsParamOf(c, o).url; }},
    {&SendBinding("sMmsSet.szMmsApn"), [](int c, int o) { return MmsParamOf(c, o).apn; }},
    {&SendBinding("sMmsSet.szMmsGateway"), [](int c, int o) { return MmsParamOf(c, o).gateway; }},
    {&SendBinding("sMmsSet.szMmsPort"), [](int c, int o) { return MmsParamOf(c, o).port; }},
    {&SendBinding("sMmsSet.szMmsAccount"), [](int c, int o) { return MmsParamOf(c, o).account; }},
    {&SendBinding("sMmsSet.szMmsPassword"), [](int c, int o) { return MmsParamOf(c, o).password; }},
};

// An exception names one of the provisioning fields; any other name is
// shown as it is written.
std::string ExceptionLabel(const std::string& field, int language) {
    for (const Provisioning& p : kProvisioning)
        if (field == p.row->field.name) return LabelOf(*p.row, language);
    return field;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The English names of the countries that the table names in their own
// language, so that "Germany" finds "Deutschland".
struct EnglishName {
    int country;
    const char* name;
};
constexpr EnglishName kEnglishNames[] = {
    {2, "Germany"}, {9, "Switzerland"}, {22, "Austria"}, {26, "Czech Republic"}, {26, "Czechia"},
};

std::string DidYouMean(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + ("\"" + names[i] + "\"");
    return names.empty() ? "" : "; did you mean " + text + "?";
}

// A country by its index, by its name in either language, or by its English
// name; letters' case does not matter.
bool FindCountry(std::string_view wanted, int& country, std::string& error) {
    int index = -1;
    auto [end, ec] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), index);
    if (ec == std::errc() && end == wanted.data() + wanted.size()) {
        if (index >= 0 && index < kCountryCount) {
            country = index;
            return true;
        }
        error = "country " + std::string(wanted) +
                (index == kManualCountry ? " is manual input, which has no operators" : " is not in 0..42");
        return false;
    }
    std::vector<std::string> names;
    for (int c = 0; c < kCountryCount; ++c) {
        if (SameLetters(wanted, CountryName(c, kLangEn)) || wanted == Utf8Of(CountryName(c, kLangZh))) {
            country = c;
            return true;
        }
        names.push_back(CountryName(c, kLangEn));
    }
    for (const EnglishName& e : kEnglishNames) {
        if (SameLetters(wanted, e.name)) {
            country = e.country;
            return true;
        }
        names.push_back(e.name);
    }
    std::vector<std::string_view> views(names.begin(), names.end());
    error = "no country \"" + std::string(wanted) + "\" in the database" + DidYouMean(NearestNames(wanted, views, 3));
    return false;
}

// The record fields that an operator's explained exceptions name.
std::vector<std::string> ExceptionFields(const OperatorSource& source) {
    std::vector<std::string> fields;
    std::string_view rest = source.exceptions;
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        if (blank != 0) fields.emplace_back(rest.substr(0, blank));
        if (blank == std::string_view::npos) break;
        rest.remove_prefix(blank + 1);
    }
    return fields;
}

// How many sources confirm every text of an operator, in the words the
// README's "Operator data" uses; by OperatorSource::confirmedBy.
struct Confidence {
    const char* en;
    const char* zh;
};
constexpr Confidence kConfidence[] = {
    {"unconfirmed", "未经确认"},
    {"confirmed by one source", "一个来源确认"},
    {"confirmed by two sources", "两个来源确认"},
};

const Confidence& ConfidenceOf(const OperatorSource& source) {
    const int n = source.confirmedBy;
    return kConfidence[n < 0 ? 0 : n > 2 ? 2 : n];
}

Json SourceJson(const OperatorSource& source) {
    Json entry = Json::object();
    entry["confirmedBy"] = source.confirmedBy;
    entry["confidence"] = ConfidenceOf(source).en;
    if (*source.release) {
        entry["release"] = source.release;
        entry["mccMnc"] = source.mccMnc;
        entry["carrier"] = source.carrier;
        entry["mmsRelease"] = source.mmsRelease;
        entry["mmsCarrier"] = source.mmsCarrier;
    }
    if (*source.gnome)
        entry["gnome"] = {{"provider", source.gnome}, {"apn", source.gnomeApn}, {"mmsApn", source.gnomeMmsApn}};
    entry["exceptions"] = ExceptionFields(source);
    return entry;
}

// "Confidence: confirmed by two sources", then the Android entries
// ("lineage-current 262-01 "Telekom Internet", MMS "Telekom Internet"") and
// GNOME's access points, in the language of the names.
void PrintSource(const OperatorSource& source, int language, Output& out) {
    const bool zh = language == kLangZh;
    out << "        " << (zh ? "可信度: " : "Confidence: ") << (zh ? ConfidenceOf(source).zh : ConfidenceOf(source).en)
        << "\n";
    out << "        " << (zh ? "来源: " : "Source: ");
    if (!*source.release) {
        out << (zh ? "不在 Android APN 数据库中" : "in no Android APN database") << "\n";
    } else {
        out << source.release << " " << source.mccMnc << " " << Json(source.carrier).dump()
            << (zh ? ", 彩信 " : ", MMS ");
        if (std::string_view(source.mmsRelease) != source.release) out << source.mmsRelease << " ";
        out << Json(source.mmsCarrier).dump() << "\n";
    }
    out << "        GNOME: ";
    if (!*source.gnome)
        out << (zh ? "不在其数据库中" : "not in its database") << "\n";
    else
        out << source.gnome << " " << Json(source.gnomeApn).dump() << (zh ? ", 彩信 " : ", MMS ")
            << Json(source.gnomeMmsApn).dump() << "\n";
    const std::vector<std::string> fields = ExceptionFields(source);
    if (fields.empty()) return;
    out << "        " << (zh ? "例外: " : "Exceptions: ");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out << (i ? ", " : "") << ExceptionLabel(fields[i], language);
    }
    out << "\n";
}

Json CountryJson(int country, int language) {
    Json operators = Json::array();
    for (int op = 0; op < OperatorCount(country, language); ++op) {
        Json entry = Json::object();
        entry["byOperator"] = op;
        entry["name"] = Utf8Of(OperatorName(country, op, language));
        for (const Provisioning& p : kProvisioning) entry[p.row->field.name] = Utf8Of(p.value(country, op));
        entry["source"] = SourceJson(OperatorSourceOf(country, op));
        operators.push_back(std::move(entry));
    }
    Json entry = Json::object();
    entry["byOperatorCountry"] = country;
    entry["name"] = Utf8Of(CountryName(country, language));
    entry["operators"] = std::move(operators);
    return entry;
}

void PrintCountry(int country, int language, Output& out) {
    out << country << "  " << Utf8Of(CountryName(country, language)) << "\n";
    for (int op = 0; op < OperatorCount(country, language); ++op) {
        out << "    " << op << "  " << Utf8Of(OperatorName(country, op, language)) << "\n";
        PrintSource(OperatorSourceOf(country, op), language, out);
        for (const Provisioning& p : kProvisioning)
            out << "        " << LabelOf(*p.row, language) << ": " << Json(Utf8Of(p.value(country, op))).dump() << "\n";
    }
}

}  // namespace

int CmdOperators(const std::optional<std::string>& country, bool json, int language, Output& out, Output& err) {
    int first = 0, last = kCountryCount - 1;
    if (country) {
        std::string error;
        if (!FindCountry(*country, first, error)) return Fail(err, error);
        last = first;
    }
    if (json) {
        Json list = Json::array();
        for (int c = first; c <= last; ++c) list.push_back(CountryJson(c, language));
        out << list.dump(2) << "\n";
        return kExitOk;
    }
    for (int c = first; c <= last; ++c) PrintCountry(c, language, out);
    return kExitOk;
}

}  // namespace trailcfg::cli
