#include "field_guide.h"

#include <iterator>

#include "common/gbk_literal.h"
#include "pages/camera_page_texts.h"
#include "pages/param_page_texts.h"
#include "pages/send_page_texts.h"
#include "send/operator_db.h"
#include "send/send_settings.h"

namespace trailcfg::cli {

namespace {

constexpr TextPair kNone{{nullptr, nullptr}};

// A control's caption from a page's table. The tables below are constant
// expressions, so an id the table lacks stops the build at the throw: a
// label can never silently go missing.
constexpr TextPair Cap(std::span<const Caption> table, int id) {
    for (const Caption& c : table)
        if (c.id == id) return c.text;
    throw "no caption for this control";
}
constexpr TextPair Send(int id) { return Cap(send_page::kCaptions, id); }
constexpr TextPair Param(int id) { return Cap(param::kParamPageCaptions, id); }
constexpr TextPair Ftp(int id) { return Cap(param::kFtpCaptions, id); }
constexpr TextPair Camera(int id) { return Cap(kCameraPageCaptions, id); }

// Names for what no page shows.
constexpr TextPair kFileNamesInUse{{GBK("使用的文件名数"), "File names in use"}};
constexpr TextPair kFormatMarker{{GBK("格式标记"), "Format marker"}};
constexpr TextPair kLastGenerate{{GBK("上次生成时间"), "Last Generate"}};
constexpr TextPair kYear{{GBK("年"), "Year"}};
constexpr TextPair kMonth{{GBK("月"), "Month"}};
constexpr TextPair kDay{{GBK("日"), "Day"}};
constexpr TextPair kHour{{GBK("时"), "Hour"}};
constexpr TextPair kMinute{{GBK("分"), "Minute"}};
constexpr TextPair kSecond{{GBK("秒"), "Second"}};
constexpr TextPair kSetFlag{{GBK("设置标志"), "Set flag"}};
constexpr TextPair kLength{{GBK("长度"), "Length"}};
constexpr TextPair kFileName{{GBK("文件名"), "File name"}};
constexpr TextPair kCloud{{GBK("云服务"), "Cloud service"}};
constexpr TextPair kRegMail{{GBK("注册邮箱"), "Registered e-mail"}};
constexpr TextPair kLoginPassword{{GBK("登录密码"), "Login password"}};
constexpr TextPair kSimPhone{{GBK("SIM卡号码"), "SIM card number"}};
constexpr TextPair kDirectory{{GBK("目录"), "Directory"}};
constexpr TextPair kDebug{{GBK("调试服务器"), "Debug server"}};
constexpr TextPair kInUse{{GBK("使用"), "In use"}};
constexpr TextPair kAddress{{GBK("地址"), "Address"}};
constexpr TextPair kCharacter{{GBK("字符"), "Character"}};
constexpr TextPair kMarker{{GBK("标记字节"), "Marker byte"}};
constexpr TextPair kReserved{{GBK("保留字节"), "Reserved byte"}};
constexpr TextPair kDigit[4] = {SameText("1"), SameText("2"), SameText("3"), SameText("4")};

template <int N>
constexpr Items ItemsOf(const ListTable<N>& table) {
    Items items;
    items.rows[0] = table.row[0];
    items.rows[1] = table.row[1];
    items.count = N;
    return items;
}

constexpr Items ItemsOf(std::span<const TextPair> pairs) {
    Items items;
    items.pairs = pairs.data();
    items.count = static_cast<int>(pairs.size());
    return items;
}

constexpr FieldGuide Number(const char* name, TextPair a, TextPair b, TextPair c, std::int64_t min, std::int64_t max,
                            Explain how = Explain::Number) {
    return FieldGuide{name, {a, b, c}, how, Items{}, 0, min, max, TextRule::Any};
}

constexpr FieldGuide Text(const char* name, TextPair a, TextPair b = kNone, TextPair c = kNone,
                          TextRule rule = TextRule::Any) {
    return FieldGuide{name, {a, b, c}, Explain::Text, Items{}, 0, 0, 0, rule};
}

// A list's field takes exactly the values its items stand for.
constexpr FieldGuide List(const char* name, TextPair a, TextPair b, TextPair c, Items items, int first = 0,
                          Explain how = Explain::List) {
    return FieldGuide{name, {a, b, c}, how, items, first, first, first + items.count - 1, TextRule::Any};
}

constexpr Items kOffOn = ItemsOf(kOffOnItems);
constexpr Items kOnOff = ItemsOf(kOnOffItems);
constexpr Items kHours = ItemsOf(kHourItems);
constexpr Items kMinutes = ItemsOf(kMinuteItems);

constexpr FieldGuide kCfgGuides[] = {
    List("bySendBy", Param(ids::param::kSendOptionLabel), kNone, kNone, ItemsOf(param::kSendOptionItems), 0,
         Explain::SendOption),
    List("bySendMode", Send(ids::send::kSendModeLabel), kNone, kNone, ItemsOf(send_page::kSendModes)),
    List("bySendImgSize", Send(ids::send::kImageSizeLabel), kNone, kNone, ItemsOf(send_page::kImageSizes)),
    List("byRemoteSwitch", Send(ids::send::kRemoteFrame), kNone, kNone, kOffOn),
    List("byRemoteInterval", Send(ids::send::kRemoteIntervalLabel), kNone, kNone, ItemsOf(send_page::kRemoteIntervals),
         0, Explain::RemoteInterval),
    Number("byOperatorCountry", Param(ids::param::kCountryLabel), kNone, kNone, 0, kManualCountry, Explain::Country),
    Number("byOperator", Param(ids::param::kOperatorLabel), kNone, kNone, 0, kOperatorSlots - 2, Explain::Operator),
    Number("byDailySendTime", Send(ids::send::kDailyTimeLabel), kNone, kNone, 0, 24, Explain::DailyTime),
    Number("bySendFileNum", kFileNamesInUse, kNone, kNone, 0, 4),
    Number("uwMaxSendImgNum", Send(ids::send::kMaxSentLabel), Send(ids::send::kPerDayLabel), kNone, 0, 9999),
    Number("StructFlag", kFormatMarker, kNone, kNone, 0, 0xFFFF, Explain::Hex),
    Number("sTime.byYear", kLastGenerate, kYear, kNone, 0, 0xFF, Explain::Year2000),
    Number("sTime.byMonth", kLastGenerate, kMonth, kNone, 0, 12),
    Number("sTime.byDay", kLastGenerate, kDay, kNone, 0, 31),
    Number("sTime.byHour", kLastGenerate, kHour, kNone, 0, 23),
    Number("sTime.byMinute", kLastGenerate, kMinute, kNone, 0, 59),
    Number("sTime.bySecond", kLastGenerate, kSecond, kNone, 0, 59),
    Number("sTime.bSet", kLastGenerate, kSetFlag, kNone, 0, 0xFF),
    Number("sSmtpSet.iPort", Param(ids::param::kOutboxFrame), Param(ids::param::kOutboxPortLabel), kNone, 0, 65535),
    Text("sSmtpSet.sz3GSmtpApN", Param(ids::param::k3GNetworkFrame), Param(ids::param::k3GApnLabel)),
    Text("sSmtpSet.sz3GSmtpAccount", Param(ids::param::k3GNetworkFrame), Param(ids::param::k3GAccountLabel)),
    Text("sSmtpSet.sz3GSmtpPassword", Param(ids::param::k3GNetworkFrame), Param(ids::param::k3GPasswordLabel)),
    Text("sSmtpSet.szServer", Param(ids::param::kOutboxFrame), Param(ids::param::kOutboxServerLabel)),
    Text("sSmtpSet.szAddr", Param(ids::param::kOutboxFrame), Param(ids::param::kOutboxAddressLabel)),
    Text("sSmtpSet.szUserName", Param(ids::param::kOutboxFrame), Param(ids::param::kOutboxAccountLabel)),
    Text("sSmtpSet.szPassword", Param(ids::param::kOutboxFrame), Param(ids::param::kOutboxPasswordLabel)),
    Text("sMmsSet.szMmsUrl", Param(ids::param::kMmsFrame), Param(ids::param::kMmsUrlLabel)),
    Text("sMmsSet.szMmsApn", Param(ids::param::kMmsFrame), Param(ids::param::k3GApnLabel)),
    Text("sMmsSet.szMmsGateway", Param(ids::param::kMmsFrame), Param(ids::param::kMmsGatewayLabel)),
    Text("sMmsSet.szMmsPort", Param(ids::param::kMmsFrame), Param(ids::param::kMmsPortLabel), kNone, TextRule::Digits),
    Text("sMmsSet.szMmsAccount", Param(ids::param::kMmsFrame), Param(ids::param::kMmsAccountLabel)),
    Text("sMmsSet.szMmsPassword", Param(ids::param::kMmsFrame), Param(ids::param::kMmsPasswordLabel)),
    Number("uwRecpLen[0]", Send(ids::send::kPhone1Label), kLength, kNone, 0, 48),
    Number("uwRecpLen[1]", Send(ids::send::kPhone2Label), kLength, kNone, 0, 48),
    Number("uwRecpLen[2]", Send(ids::send::kEmail1Label), kLength, kNone, 0, 48),
    Number("uwRecpLen[3]", Send(ids::send::kEmail2Label), kLength, kNone, 0, 48),
    Text("szRecp[0]", Send(ids::send::kPhone1Label), kNone, kNone, TextRule::PhoneNumber),
    Text("szRecp[1]", Send(ids::send::kPhone2Label), kNone, kNone, TextRule::PhoneNumber),
    Text("szRecp[2]", Send(ids::send::kEmail1Label)),
    Text("szRecp[3]", Send(ids::send::kEmail2Label)),
    Text("szFileFullName[0]", kFileName, kDigit[0]),
    Text("szFileFullName[1]", kFileName, kDigit[1]),
    Text("szFileFullName[2]", kFileName, kDigit[2]),
    Text("szFileFullName[3]", kFileName, kDigit[3]),
    Text("szRemotePhoneNum", Send(ids::send::kRemotePhoneLabel), kNone, kNone, TextRule::PhoneNumber),
    Text("szRemoteEmail", Send(ids::send::kRemoteEmailLabel)),
    Text("sCloudSet.szRegMail", kCloud, kRegMail),
    Text("sCloudSet.szLoginPassword", kCloud, kLoginPassword),
    Text("sCloudSet.szSimPhoneNum", kCloud, kSimPhone),
    Text("sFtpSet.szFtpDir", Ftp(ids::param::kFtpFrame), kDirectory),
    Text("sFtpSet.szServer", Ftp(ids::param::kFtpFrame), Ftp(ids::param::kFtpServerLabel)),
    Text("sFtpSet.szUserName", Ftp(ids::param::kFtpFrame), Ftp(ids::param::kFtpUserLabel)),
    Text("sFtpSet.szPassword", Ftp(ids::param::kFtpFrame), Param(ids::param::kFtpPasswordLabel)),
    Number("sFtpSet.iPort", Ftp(ids::param::kFtpFrame), Ftp(ids::param::kFtpPortLabel), kNone, 0, 65535),
    List("sFtpSet.iFtpDirType", Ftp(ids::param::kFtpFrame), Param(ids::param::kFtpDirFrame), kNone,
         ItemsOf(param::kFtpDirTypeItems)),
    List("sLongitude.byDir", Send(ids::send::kLongitudeLabel), Send(ids::send::kDirectionHead), kNone,
         ItemsOf(send_page::kLongitudeDirs)),
    Number("sLongitude.byDegree", Send(ids::send::kLongitudeLabel), Send(ids::send::kDegreeHead), kNone, 0, 180),
    Number("sLongitude.byMinute", Send(ids::send::kLongitudeLabel), Send(ids::send::kMinuteHead), kNone, 0, 59),
    Number("sLongitude.bySecond", Send(ids::send::kLongitudeLabel), Send(ids::send::kSecondHead), kNone, 0, 59),
    List("sLatitude.byDir", Send(ids::send::kLatitudeLabel), Send(ids::send::kDirectionHead), kNone,
         ItemsOf(send_page::kLatitudeDirs)),
    Number("sLatitude.byDegree", Send(ids::send::kLatitudeLabel), Send(ids::send::kDegreeHead), kNone, 0, 90),
    Number("sLatitude.byMinute", Send(ids::send::kLatitudeLabel), Send(ids::send::kMinuteHead), kNone, 0, 59),
    Number("sLatitude.bySecond", Send(ids::send::kLatitudeLabel), Send(ids::send::kSecondHead), kNone, 0, 59),
    List("byDebugFlag", kDebug, kInUse, kNone, kOffOn),
    Number("uwDebugPort", kDebug, Param(ids::param::kMmsPortLabel), kNone, 0, 0xFFFF),
    Text("szDebugUrl", kDebug, kAddress),
};

// Every caption of menu.dat's fields is the Camera Setup page's.
namespace menu {

using namespace ids::camera;

constexpr FieldGuide kMenuGuides[] = {
    List("CapMode", Camera(kModeLabel), kNone, kNone, ItemsOf(kCapModeItems)),
    List("ImgSize", Camera(kImageSizeLabel), kNone, kNone, ItemsOf(kImgSizeItems)),
    List("VideoSize", Camera(kVideoSizeLabel), kNone, kNone, ItemsOf(kVideoSizeItems)),
    List("PicNum", Camera(kPictureNumberLabel), kNone, kNone, ItemsOf(kPicNumItems)),
    List("TimeStamp", Camera(kTimeStampLabel), kNone, kNone, kOnOff),
    List("SenseLevel", Camera(kSenseLevelLabel), kNone, kNone, ItemsOf(kSenseLevelItems)),
    List("SidePir", Camera(kSidePirLabel), kNone, kNone, kOffOn),
    Number("VideoLength", Camera(kVideoLengthLabel), kNone, kNone, 0, 59, Explain::VideoLength),
    Number("Interval", Camera(kIntervalLabel), kNone, kNone, 0, 119, Explain::Interval),
    List("DateFormat", Camera(kDateFormatLabel), kNone, kNone, ItemsOf(kDateFormatItems)),
    List("BeepSound", Camera(kBeepSoundLabel), kNone, kNone, kOffOn),
    List("SdCycle", Camera(kSdCycleLabel), kNone, kNone, kOffOn),
    List("Language", Camera(kLanguageLabel), kNone, kNone, ItemsOf(kLanguageItems), 1),
    List("ClockMode", Camera(kClockLabel), kNone, kNone, ItemsOf(kClockModeItems)),
    Number("Year", Camera(kClockLabel), kYear, kNone, 0, 9999),
    Number("Month", Camera(kClockLabel), kMonth, kNone, 0, 12),
    Number("Day", Camera(kClockLabel), kDay, kNone, 0, 31),
    Number("Hour", Camera(kClockLabel), kHour, kNone, 0, 23),
    Number("Minute", Camera(kClockLabel), kMinute, kNone, 0, 59),
    Number("Second", Camera(kClockLabel), kSecond, kNone, 0, 59),
    List("Timer1Mode", Camera(kTimer1Label), kNone, kNone, kOffOn),
    List("Timer1StartHour", Camera(kTimer1Label), Camera(kTimer1StartFrame), Camera(kTimer1StartHourHead), kHours),
    List("Timer1StartMin", Camera(kTimer1Label), Camera(kTimer1StartFrame), Camera(kTimer1StartMinHead), kMinutes),
    List("Timer1EndHour", Camera(kTimer1Label), Camera(kTimer1EndFrame), Camera(kTimer1EndHourHead), kHours),
    List("Timer1EndMin", Camera(kTimer1Label), Camera(kTimer1EndFrame), Camera(kTimer1EndMinHead), kMinutes),
    List("Timer2Mode", Camera(kTimer2Label), kNone, kNone, kOffOn),
    List("Timer2StartHour", Camera(kTimer2Label), Camera(kTimer2StartFrame), Camera(kTimer2StartHourHead), kHours),
    List("Timer2StartMin", Camera(kTimer2Label), Camera(kTimer2StartFrame), Camera(kTimer2StartMinHead), kMinutes),
    List("Timer2EndHour", Camera(kTimer2Label), Camera(kTimer2EndFrame), Camera(kTimer2EndHourHead), kHours),
    List("Timer2EndMin", Camera(kTimer2Label), Camera(kTimer2EndFrame), Camera(kTimer2EndMinHead), kMinutes),
    List("SerialMode", Camera(kSerialLabel), kNone, kNone, kOffOn),
    List("Serial[0]", Camera(kSerialLabel), kCharacter, kDigit[0], ItemsOf(kSerialCharItems)),
    List("Serial[1]", Camera(kSerialLabel), kCharacter, kDigit[1], ItemsOf(kSerialCharItems)),
    List("Serial[2]", Camera(kSerialLabel), kCharacter, kDigit[2], ItemsOf(kSerialCharItems)),
    List("Serial[3]", Camera(kSerialLabel), kCharacter, kDigit[3], ItemsOf(kSerialCharItems)),
    List("TimeLapseMode", Camera(kTimeLapseLabel), kNone, kNone, kOnOff),
    List("TimeLapseHour", Camera(kTimeLapseLabel), Camera(kTimeLapseHourHead), kNone, kHours),
    List("TimeLapseMin", Camera(kTimeLapseLabel), Camera(kTimeLapseMinHead), kNone, kMinutes),
    List("TimeLapseSec", Camera(kTimeLapseLabel), Camera(kTimeLapseSecHead), kNone, kMinutes),
    Number("Marker", kMarker, kNone, kNone, 0, 0xFF),
    Number("Reserved", kReserved, kNone, kNone, 0, 0xFF),
    Number("Flag", kFormatMarker, kNone, kNone, 0, 0xFFFF, Explain::Hex),
};

}  // namespace menu

}  // namespace

std::span<const FieldGuide> Guides(FileKind kind) {
    if (kind == FileKind::Cfg) return kCfgGuides;
    return menu::kMenuGuides;
}

const FieldGuide* GuideOf(FileKind kind, std::string_view name) {
    for (const FieldGuide& g : Guides(kind))
        if (name == g.name) return &g;
    return nullptr;
}

std::string LabelOf(const FieldGuide& guide, int language) {
    std::string label;
    for (const TextPair& part : guide.label) {
        if (!part[language]) continue;
        const std::string text = Utf8Of(part[language]);
        // "Max Sent Num" and "/Day" read as one.
        if (!label.empty() && text.front() != '/') label += " / ";
        label += text;
    }
    return label;
}

}  // namespace trailcfg::cli
