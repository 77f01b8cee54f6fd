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
    List("bySendBy", Param(40072), kNone, kNone, ItemsOf(param::kSendOptionItems), 0, Explain::SendOption),
    List("bySendMode", Send(40062), kNone, kNone, ItemsOf(send_page::kSendModes)),
    List("bySendImgSize", Send(40063), kNone, kNone, ItemsOf(send_page::kImageSizes)),
    List("byRemoteSwitch", Send(40057), kNone, kNone, kOffOn),
    List("byRemoteInterval", Send(40067), kNone, kNone, ItemsOf(send_page::kRemoteIntervals), 0,
         Explain::RemoteInterval),
    Number("byOperatorCountry", Param(40081), kNone, kNone, 0, kManualCountry, Explain::Country),
    Number("byOperator", Param(40030), kNone, kNone, 0, kOperatorSlots - 2, Explain::Operator),
    Number("byDailySendTime", Send(40008), kNone, kNone, 0, 24, Explain::DailyTime),
    Number("bySendFileNum", kFileNamesInUse, kNone, kNone, 0, 4),
    Number("uwMaxSendImgNum", Send(40065), Send(40007), kNone, 0, 9999),
    Number("StructFlag", kFormatMarker, kNone, kNone, 0, 0xFFFF, Explain::Hex),
    Number("sTime.byYear", kLastGenerate, kYear, kNone, 0, 0xFF, Explain::Year2000),
    Number("sTime.byMonth", kLastGenerate, kMonth, kNone, 0, 12),
    Number("sTime.byDay", kLastGenerate, kDay, kNone, 0, 31),
    Number("sTime.byHour", kLastGenerate, kHour, kNone, 0, 23),
    Number("sTime.byMinute", kLastGenerate, kMinute, kNone, 0, 59),
    Number("sTime.bySecond", kLastGenerate, kSecond, kNone, 0, 59),
    Number("sTime.bSet", kLastGenerate, kSetFlag, kNone, 0, 0xFF),
    Number("sSmtpSet.iPort", Param(40046), Param(40048), kNone, 0, 65535),
    Text("sSmtpSet.sz3GSmtpApN", Param(40074), Param(40071)),
    Text("sSmtpSet.sz3GSmtpAccount", Param(40074), Param(40076)),
    Text("sSmtpSet.sz3GSmtpPassword", Param(40074), Param(40078)),
    Text("sSmtpSet.szServer", Param(40046), Param(40047)),
    Text("sSmtpSet.szAddr", Param(40046), Param(40049)),
    Text("sSmtpSet.szUserName", Param(40046), Param(param::kOutboxAccountLabel)),
    Text("sSmtpSet.szPassword", Param(40046), Param(40050)),
    Text("sMmsSet.szMmsUrl", Param(40026), Param(40033)),
    Text("sMmsSet.szMmsApn", Param(40026), Param(40071)),
    Text("sMmsSet.szMmsGateway", Param(40026), Param(40037)),
    Text("sMmsSet.szMmsPort", Param(40026), Param(40039), kNone, TextRule::Digits),
    Text("sMmsSet.szMmsAccount", Param(40026), Param(40041)),
    Text("sMmsSet.szMmsPassword", Param(40026), Param(40043)),
    Number("uwRecpLen[0]", Send(40019), kLength, kNone, 0, 48),
    Number("uwRecpLen[1]", Send(40022), kLength, kNone, 0, 48),
    Number("uwRecpLen[2]", Send(40002), kLength, kNone, 0, 48),
    Number("uwRecpLen[3]", Send(40003), kLength, kNone, 0, 48),
    Text("szRecp[0]", Send(40019), kNone, kNone, TextRule::PhoneNumber),
    Text("szRecp[1]", Send(40022), kNone, kNone, TextRule::PhoneNumber),
    Text("szRecp[2]", Send(40002)),
    Text("szRecp[3]", Send(40003)),
    Text("szFileFullName[0]", kFileName, kDigit[0]),
    Text("szFileFullName[1]", kFileName, kDigit[1]),
    Text("szFileFullName[2]", kFileName, kDigit[2]),
    Text("szFileFullName[3]", kFileName, kDigit[3]),
    Text("szRemotePhoneNum", Send(40058), kNone, kNone, TextRule::PhoneNumber),
    Text("szRemoteEmail", Send(40069)),
    Text("sCloudSet.szRegMail", kCloud, kRegMail),
    Text("sCloudSet.szLoginPassword", kCloud, kLoginPassword),
    Text("sCloudSet.szSimPhoneNum", kCloud, kSimPhone),
    Text("sFtpSet.szFtpDir", Ftp(40005), kDirectory),
    Text("sFtpSet.szServer", Ftp(40005), Ftp(40006)),
    Text("sFtpSet.szUserName", Ftp(40005), Ftp(40008)),
    Text("sFtpSet.szPassword", Ftp(40005), Param(40009)),
    Number("sFtpSet.iPort", Ftp(40005), Ftp(40013), kNone, 0, 65535),
    List("sFtpSet.iFtpDirType", Ftp(40005), Param(40011), kNone, ItemsOf(param::kFtpDirTypeItems)),
    List("sLongitude.byDir", Send(40018), Send(40036), kNone, ItemsOf(send_page::kLongitudeDirs)),
    Number("sLongitude.byDegree", Send(40018), Send(40037), kNone, 0, 180),
    Number("sLongitude.byMinute", Send(40018), Send(40038), kNone, 0, 59),
    Number("sLongitude.bySecond", Send(40018), Send(40039), kNone, 0, 59),
    List("sLatitude.byDir", Send(40029), Send(40036), kNone, ItemsOf(send_page::kLatitudeDirs)),
    Number("sLatitude.byDegree", Send(40029), Send(40037), kNone, 0, 90),
    Number("sLatitude.byMinute", Send(40029), Send(40038), kNone, 0, 59),
    Number("sLatitude.bySecond", Send(40029), Send(40039), kNone, 0, 59),
    List("byDebugFlag", kDebug, kInUse, kNone, kOffOn),
    Number("uwDebugPort", kDebug, Param(40039), kNone, 0, 0xFFFF),
    Text("szDebugUrl", kDebug, kAddress),
};

constexpr FieldGuide kMenuGuides[] = {
    List("CapMode", Camera(40001), kNone, kNone, ItemsOf(kCapModeItems)),
    List("ImgSize", Camera(40003), kNone, kNone, ItemsOf(kImgSizeItems)),
    List("VideoSize", Camera(40002), kNone, kNone, ItemsOf(kVideoSizeItems)),
    List("PicNum", Camera(40008), kNone, kNone, ItemsOf(kPicNumItems)),
    List("TimeStamp", Camera(40012), kNone, kNone, kOnOff),
    List("SenseLevel", Camera(40015), kNone, kNone, ItemsOf(kSenseLevelItems)),
    List("SidePir", Camera(40018), kNone, kNone, kOffOn),
    Number("VideoLength", Camera(40021), kNone, kNone, 0, 59, Explain::VideoLength),
    Number("Interval", Camera(40024), kNone, kNone, 0, 119, Explain::Interval),
    List("DateFormat", Camera(40027), kNone, kNone, ItemsOf(kDateFormatItems)),
    List("BeepSound", Camera(40030), kNone, kNone, kOffOn),
    List("SdCycle", Camera(40033), kNone, kNone, kOffOn),
    List("Language", Camera(40103), kNone, kNone, ItemsOf(kLanguageItems), 1),
    List("ClockMode", Camera(40036), kNone, kNone, ItemsOf(kClockModeItems)),
    Number("Year", Camera(40036), kYear, kNone, 0, 9999),
    Number("Month", Camera(40036), kMonth, kNone, 0, 12),
    Number("Day", Camera(40036), kDay, kNone, 0, 31),
    Number("Hour", Camera(40036), kHour, kNone, 0, 23),
    Number("Minute", Camera(40036), kMinute, kNone, 0, 59),
    Number("Second", Camera(40036), kSecond, kNone, 0, 59),
    List("Timer1Mode", Camera(40049), kNone, kNone, kOffOn),
    List("Timer1StartHour", Camera(40049), Camera(40051), Camera(40053), kHours),
    List("Timer1StartMin", Camera(40049), Camera(40051), Camera(40056), kMinutes),
    List("Timer1EndHour", Camera(40049), Camera(40054), Camera(40055), kHours),
    List("Timer1EndMin", Camera(40049), Camera(40054), Camera(40105), kMinutes),
    List("Timer2Mode", Camera(40063), kNone, kNone, kOffOn),
    List("Timer2StartHour", Camera(40063), Camera(40065), Camera(40066), kHours),
    List("Timer2StartMin", Camera(40063), Camera(40065), Camera(40067), kMinutes),
    List("Timer2EndHour", Camera(40063), Camera(40071), Camera(40072), kHours),
    List("Timer2EndMin", Camera(40063), Camera(40071), Camera(40059), kMinutes),
    List("SerialMode", Camera(40079), kNone, kNone, kOffOn),
    List("Serial[0]", Camera(40079), kCharacter, kDigit[0], ItemsOf(kSerialCharItems)),
    List("Serial[1]", Camera(40079), kCharacter, kDigit[1], ItemsOf(kSerialCharItems)),
    List("Serial[2]", Camera(40079), kCharacter, kDigit[2], ItemsOf(kSerialCharItems)),
    List("Serial[3]", Camera(40079), kCharacter, kDigit[3], ItemsOf(kSerialCharItems)),
    List("TimeLapseMode", Camera(40081), kNone, kNone, kOnOff),
    List("TimeLapseHour", Camera(40081), Camera(40084), kNone, kHours),
    List("TimeLapseMin", Camera(40081), Camera(40088), kNone, kMinutes),
    List("TimeLapseSec", Camera(40081), Camera(40089), kNone, kMinutes),
    Number("Marker", kMarker, kNone, kNone, 0, 0xFF),
    Number("Reserved", kReserved, kNone, kNone, 0, 0xFF),
    Number("Flag", kFormatMarker, kNone, kNone, 0, 0xFFFF, Explain::Hex),
};

}  // namespace

std::span<const FieldGuide> Guides(FileKind kind) {
    if (kind == FileKind::Cfg) return kCfgGuides;
    return kMenuGuides;
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
