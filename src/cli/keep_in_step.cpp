#include "keep_in_step.h"

#include <algorithm>
#include <iterator>

#include "common/text_copy.h"
#include "rules/generate_rules.h"
#include "send/operator_db.h"

namespace trailcfg::cli {

namespace {

constexpr std::string_view kDatabaseTexts[] = {
    "sMmsSet.szMmsUrl",     "sMmsSet.szMmsApn",         "sMmsSet.szMmsGateway",
    "sMmsSet.szMmsPort",    "sMmsSet.szMmsAccount",     "sMmsSet.szMmsPassword",
    "sSmtpSet.sz3GSmtpApN", "sSmtpSet.sz3GSmtpAccount", "sSmtpSet.sz3GSmtpPassword",
};

struct Why {
    std::string_view field;
    const char* reason;
};

constexpr const char* kStamped = "stamped with this computer's local time, as Generate does";
constexpr const char* kFileName = "Generate always writes this file name entry";
constexpr const char* kAtOnce = "the camera sends at once: Generate writes send mode 0 and daily send time 24";

constexpr Why kCfgWhy[] = {
    {"uwRecpLen[0]", "a recipient's length follows its text"},
    {"uwRecpLen[1]", "a recipient's length follows its text"},
    {"uwRecpLen[2]", "a recipient's length follows its text"},
    {"uwRecpLen[3]", "a recipient's length follows its text"},
    {"byRemoteSwitch", "remote control is on exactly when an interval is chosen and pictures are sent"},
    {"szFileFullName[0]", kFileName},
    {"bySendFileNum", kFileName},
    {"bySendMode", kAtOnce},
    {"byDailySendTime", kAtOnce},
    {"bySendImgSize", "MMS sends thumbnails only, as the send page sets"},
    {"StructFlag", "the format marker is always 0x1005"},
    {"sTime.byYear", kStamped},
    {"sTime.byMonth", kStamped},
    {"sTime.byDay", kStamped},
    {"sTime.byHour", kStamped},
    {"sTime.byMinute", kStamped},
    {"sTime.bySecond", kStamped},
    {"sTime.bSet", kStamped},
};

constexpr const char* kAutoClock = "Auto clock mode: the camera is set to this computer's local time";

constexpr Why kMenuWhy[] = {
    {"Flag", "the format marker, which every write stamps"},
    {"Year", kAutoClock},
    {"Month", kAutoClock},
    {"Day", kAutoClock},
    {"Hour", kAutoClock},
    {"Minute", kAutoClock},
    {"Second", kAutoClock},
};

std::string OperatorList(int country) {
    std::string list;
    const int count = OperatorCount(country, 1);
    for (int op = 0; op < count; ++op) {
        if (!list.empty()) list += ", ";
        list += std::to_string(op) + " " + OperatorName(country, op, 1);
    }
    return list;
}

void FillFromDatabase(SendSettings& s) {
    CopyMmsProvisioning(s.sMmsSet, s.byOperatorCountry, s.byOperator);
    CopyNetProvisioning(s.sSmtpSet, s.byOperatorCountry, s.byOperator);
}

// The page's switch to manual input empties the provisioning, ready for
// typing; what the user typed here stays.
void EmptyForManualInput(SendSettings& s, const GivenFields& given) {
    for (std::string_view name : kDatabaseTexts)
        if (!given.Has(name)) WriteFieldText(RecordBytes(s), *FindField(SendSettingsFields(), name), "");
}

// The operator whose texts the database gives: the page puts a new country
// on its first operator, and lists only the operators it counts.
bool SettleOperator(SendSettings& s, const SendSettings& base, const GivenFields& given, std::string& error) {
    if (s.byOperatorCountry > kManualCountry) {
        error = "byOperatorCountry " + std::to_string(s.byOperatorCountry) +
                " names no country: 0..42 (see `trailcfg-cli operators`) or 43 (manual input)";
        return false;
    }
    if (s.byOperatorCountry == kManualCountry) {
        if (base.byOperatorCountry < kCountryCount) EmptyForManualInput(s, given);
        return true;
    }
    if (s.byOperatorCountry != base.byOperatorCountry && !given.Has("byOperator")) s.byOperator = 0;
    const int count = OperatorCount(s.byOperatorCountry, 1);
    if (s.byOperator >= count) {
        error = "byOperator " + std::to_string(s.byOperator) + " is beyond the list of " +
                CountryName(s.byOperatorCountry, 1) + " (byOperatorCountry " + std::to_string(s.byOperatorCountry) +
                "): " + OperatorList(s.byOperatorCountry);
        return false;
    }
    // Under Close 3G the page's operator lists are disabled and whatever
    // they last showed fills the texts, which nothing then uses: a file
    // keeps its texts, and they come from the database once 3G is on.
    if (s.bySendBy != kSendByClose3G) FillFromDatabase(s);
    return true;
}

void StampSendTime(SendTime& t, const StampTime& now) {
    t = MakeSendTime(now.year, now.month, now.day, now.hour, now.minute, now.second);
}

}  // namespace

bool GivenFields::Has(std::string_view name) const {
    return std::any_of(values.begin(), values.end(), [&](const FieldValue& v) { return name == v.field->name; });
}

bool IsDatabaseText(std::string_view field) {
    return std::find(std::begin(kDatabaseTexts), std::end(kDatabaseTexts), field) != std::end(kDatabaseTexts);
}

const char* WhyChanged(FileKind kind, std::string_view field) {
    for (const Why& w : kind == FileKind::Cfg ? std::span<const Why>(kCfgWhy) : std::span<const Why>(kMenuWhy))
        if (w.field == field) return w.reason;
    return nullptr;
}

bool KeepCfgInStep(SendSettings& s, const SendSettings& base, const GivenFields& given, const BuildOptions& options,
                   std::string& error) {
    // The parameter page's list has four options; anything else is shown,
    // and generated, as Close 3G.
    if (s.bySendBy > kSendByFtp) s.bySendBy = kSendByClose3G;
    if (!SettleOperator(s, base, given, error)) return false;
    for (int i = 0; i < 4; ++i) s.uwRecpLen[i] = static_cast<std::uint16_t>(TextLength(s.szRecp[i]));
    // The send page switches remote control off for Close 3G whatever the
    // interval; a stored interval must not bring in the remote checks.
    s.byRemoteSwitch = s.bySendBy != kSendByClose3G ? RemoteSwitchFor(s.byRemoteInterval) : 0;
    SetGeneratedFileName(s);
    SetSendAtOnce(s);
    if (s.bySendBy == kSendByMms) s.bySendImgSize = 1;
    s.StructFlag = kSendStructFlag;
    if (options.stamp) StampSendTime(s.sTime, options.now);
    return true;
}

bool KeepMenuInStep(CameraMenu& m, const BuildOptions& options, std::string& error) {
    m.Flag = kMenuFlag;
    if (m.ClockMode == 0 && options.stamp)
        SetClock(m, options.now.year, options.now.month, options.now.day, options.now.hour, options.now.minute,
                 options.now.second);
    if (m.ClockMode != 1) return true;
    const int year = m.Year;
    if (!IsCameraClock(year, m.Month, m.Day, m.Hour, m.Minute, m.Second)) {
        error = "ClockMode 1 (Input) sets the camera to the clock as given, and " + std::to_string(year) + "-" +
                std::to_string(m.Month) + "-" + std::to_string(m.Day) + " " + std::to_string(m.Hour) + ":" +
                std::to_string(m.Minute) + ":" + std::to_string(m.Second) +
                " is no date the Camera Setup page accepts (years " + std::to_string(kClockFirstYear) + ".." +
                std::to_string(kClockLastYear) +
                "): give Year, Month, Day, Hour, "
                "Minute and Second";
        return false;
    }
    return true;
}

}  // namespace trailcfg::cli
