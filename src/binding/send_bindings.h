// SendSettings, field by field in the order of its field table: the words
// for each field, what a user may give it, and the control of the 3G
// parameter page or the send page that shows it.
#pragma once

#include <span>

#include "binding/field_binding.h"
#include "platform/layout.h"
#include "rules/generate_rules.h"
#include "send/operator_db.h"
#include "send/send_settings.h"
#include "texts/camera_page_texts.h"
#include "texts/field_names.h"
#include "texts/param_page_texts.h"
#include "texts/send_page_texts.h"

namespace trailcfg {

namespace send_binding_detail {

using namespace field_names;

constexpr TextPair Send(int id) { return CaptionOf(send_page::kCaptions, id); }
constexpr TextPair Param(int id) { return CaptionOf(param::kParamPageCaptions, id); }
constexpr TextPair Ftp(int id) { return CaptionOf(param::kFtpCaptions, id); }

#define SEND_FIELD(member) TRAILCFG_FIELD(SendSettings, member)

constexpr int kOnSend = kTemplateSendPage;
constexpr int kOnParam = kTemplateParamPage;
namespace s = ids::send;
namespace p = ids::param;

constexpr FieldBinding CoordinateRow(FieldDesc f, int label, int head, int max, int control, int digits) {
    return NumberRow(f, Send(label), Send(head), kNoLabel, 0, max).NumberEdit(kOnSend, control, digits);
}

inline constexpr FieldBinding kRows[] = {
    ListRow(SEND_FIELD(bySendBy), Param(p::kSendOptionLabel), kNoLabel, kNoLabel, ItemsOf(param::kSendOptionItems), 0,
            Explain::SendOption)
        .OwnControl(kOnParam, p::kSendOptionList),
    ListRow(SEND_FIELD(bySendMode), Send(s::kSendModeLabel), kNoLabel, kNoLabel, ItemsOf(send_page::kSendModes))
        .DropDown(kOnSend, s::kSendModeList),
    ListRow(SEND_FIELD(bySendImgSize), Send(s::kImageSizeLabel), kNoLabel, kNoLabel, ItemsOf(send_page::kImageSizes))
        .DropDown(kOnSend, s::kImageSizeList),
    ListRow(SEND_FIELD(byRemoteSwitch), Send(s::kRemoteFrame), kNoLabel, kNoLabel, ItemsOf(kOffOnItems)),
    // Position 0 is "Remote Off" (25), position k the interval k - 1.
    ListRow(SEND_FIELD(byRemoteInterval), Send(s::kRemoteIntervalLabel), kNoLabel, kNoLabel,
            ItemsOf(send_page::kRemoteIntervals), 0, Explain::RemoteInterval)
        .OwnControl(kOnSend, s::kRemoteIntervalList),
    // Both lists come from the operator database.
    NumberRow(SEND_FIELD(byOperatorCountry), Param(p::kCountryLabel), kNoLabel, kNoLabel, 0, kManualCountry,
              Explain::Country)
        .OwnControl(kOnParam, p::kCountryList),
    NumberRow(SEND_FIELD(byOperator), Param(p::kOperatorLabel), kNoLabel, kNoLabel, 0, kOperatorSlots - 2,
              Explain::Operator)
        .OwnControl(kOnParam, p::kOperatorList),
    // 24, no daily send, has no item.
    NumberRow(SEND_FIELD(byDailySendTime), Send(s::kDailyTimeLabel), kNoLabel, kNoLabel, 0, 24, Explain::DailyTime)
        .Listing(ItemsOf(send_page::kDailySendTimes))
        .DropDown(kOnSend, s::kDailyTimeList),
    NumberRow(SEND_FIELD(bySendFileNum), kFileNamesInUse, kNoLabel, kNoLabel, 0, 4),
    NumberRow(SEND_FIELD(uwMaxSendImgNum), Send(s::kMaxSentLabel), Send(s::kPerDayLabel), kNoLabel, 0, 9999)
        .NumberEdit(kOnSend, s::kMaxSentEdit, 4),
    NumberRow(SEND_FIELD(StructFlag), kFormatMarker, kNoLabel, kNoLabel, 0, 0xFFFF, Explain::Hex),
    NumberRow(SEND_FIELD(sTime.byYear), kLastGenerate, kYear, kNoLabel, 0, 0xFF, Explain::Year2000),
    NumberRow(SEND_FIELD(sTime.byMonth), kLastGenerate, kMonth, kNoLabel, 0, 12),
    NumberRow(SEND_FIELD(sTime.byDay), kLastGenerate, kDay, kNoLabel, 0, 31),
    NumberRow(SEND_FIELD(sTime.byHour), kLastGenerate, kHour, kNoLabel, 0, 23),
    NumberRow(SEND_FIELD(sTime.byMinute), kLastGenerate, kMinute, kNoLabel, 0, 59),
    NumberRow(SEND_FIELD(sTime.bySecond), kLastGenerate, kSecond, kNoLabel, 0, 59),
    NumberRow(SEND_FIELD(sTime.bSet), kLastGenerate, kSetFlag, kNoLabel, 0, 0xFF),
    // Ports take eight digits, which the 32-bit field holds whatever they are.
    NumberRow(SEND_FIELD(sSmtpSet.iPort), Param(p::kOutboxFrame), Param(p::kOutboxPortLabel), kNoLabel, 0, 65535)
        .PortEdit(kOnParam, p::kOutboxPortEdit, 8),
    TextRow(SEND_FIELD(sSmtpSet.sz3GSmtpApN), Param(p::k3GNetworkFrame), Param(p::k3GApnLabel))
        .Edit(kOnParam, p::k3GApnEdit),
    TextRow(SEND_FIELD(sSmtpSet.sz3GSmtpAccount), Param(p::k3GNetworkFrame), Param(p::k3GAccountLabel))
        .Edit(kOnParam, p::k3GAccountEdit),
    TextRow(SEND_FIELD(sSmtpSet.sz3GSmtpPassword), Param(p::k3GNetworkFrame), Param(p::k3GPasswordLabel))
        .Edit(kOnParam, p::k3GPasswordEdit),
    TextRow(SEND_FIELD(sSmtpSet.szServer), Param(p::kOutboxFrame), Param(p::kOutboxServerLabel))
        .Edit(kOnParam, p::kOutboxServerEdit),
    TextRow(SEND_FIELD(sSmtpSet.szAddr), Param(p::kOutboxFrame), Param(p::kOutboxAddressLabel))
        .Edit(kOnParam, p::kOutboxAddressEdit),
    TextRow(SEND_FIELD(sSmtpSet.szUserName), Param(p::kOutboxFrame), Param(p::kOutboxAccountLabel))
        .Edit(kOnParam, p::kOutboxAccountEdit),
    TextRow(SEND_FIELD(sSmtpSet.szPassword), Param(p::kOutboxFrame), Param(p::kOutboxPasswordLabel))
        .Edit(kOnParam, p::kOutboxPasswordEdit),
    TextRow(SEND_FIELD(sMmsSet.szMmsUrl), Param(p::kMmsFrame), Param(p::kMmsUrlLabel)).Edit(kOnParam, p::kMmsUrlEdit),
    TextRow(SEND_FIELD(sMmsSet.szMmsApn), Param(p::kMmsFrame), Param(p::k3GApnLabel)).Edit(kOnParam, p::kMmsApnEdit),
    TextRow(SEND_FIELD(sMmsSet.szMmsGateway), Param(p::kMmsFrame), Param(p::kMmsGatewayLabel))
        .Edit(kOnParam, p::kMmsGatewayEdit),
    // Four digits, as the page has always taken them; the field has room for
    // nine, which files from elsewhere may fill.
    TextRow(SEND_FIELD(sMmsSet.szMmsPort), Param(p::kMmsFrame), Param(p::kMmsPortLabel), kNoLabel, TextRule::Digits)
        .ShorterEdit(kOnParam, p::kMmsPortEdit, 4),
    TextRow(SEND_FIELD(sMmsSet.szMmsAccount), Param(p::kMmsFrame), Param(p::kMmsAccountLabel))
        .Edit(kOnParam, p::kMmsAccountEdit),
    TextRow(SEND_FIELD(sMmsSet.szMmsPassword), Param(p::kMmsFrame), Param(p::kMmsPasswordLabel))
        .Edit(kOnParam, p::kMmsPasswordEdit),
    NumberRow(SEND_FIELD(uwRecpLen[0]), Send(s::kPhone1Label), kLength, kNoLabel, 0, 48),
    NumberRow(SEND_FIELD(uwRecpLen[1]), Send(s::kPhone2Label), kLength, kNoLabel, 0, 48),
    NumberRow(SEND_FIELD(uwRecpLen[2]), Send(s::kEmail1Label), kLength, kNoLabel, 0, 48),
    NumberRow(SEND_FIELD(uwRecpLen[3]), Send(s::kEmail2Label), kLength, kNoLabel, 0, 48),
    // Recipients 1 and 2 are phone numbers, held to a phone number's length.
    TextRow(SEND_FIELD(szRecp[0]), Send(s::kPhone1Label), kNoLabel, kNoLabel, TextRule::PhoneNumber)
        .ShorterEdit(kOnSend, s::kPhone1Edit, kPhoneLength),
    TextRow(SEND_FIELD(szRecp[1]), Send(s::kPhone2Label), kNoLabel, kNoLabel, TextRule::PhoneNumber)
        .ShorterEdit(kOnSend, s::kPhone2Edit, kPhoneLength),
    TextRow(SEND_FIELD(szRecp[2]), Send(s::kEmail1Label)).Edit(kOnSend, s::kEmail1Edit),
    TextRow(SEND_FIELD(szRecp[3]), Send(s::kEmail2Label)).Edit(kOnSend, s::kEmail2Edit),
    TextRow(SEND_FIELD(szFileFullName[0]), kFileName, kDigit[0]),
    TextRow(SEND_FIELD(szFileFullName[1]), kFileName, kDigit[1]),
    TextRow(SEND_FIELD(szFileFullName[2]), kFileName, kDigit[2]),
    TextRow(SEND_FIELD(szFileFullName[3]), kFileName, kDigit[3]),
    TextRow(SEND_FIELD(szRemotePhoneNum), Send(s::kRemotePhoneLabel), kNoLabel, kNoLabel, TextRule::PhoneNumber)
        .Edit(kOnSend, s::kRemotePhone),
    TextRow(SEND_FIELD(szRemoteEmail), Send(s::kRemoteEmailLabel)).Edit(kOnSend, s::kRemoteEmail),
    TextRow(SEND_FIELD(sCloudSet.szRegMail), kCloud, kRegMail),
    TextRow(SEND_FIELD(sCloudSet.szLoginPassword), kCloud, kLoginPassword),
    TextRow(SEND_FIELD(sCloudSet.szSimPhoneNum), kCloud, kSimPhone),
    TextRow(SEND_FIELD(sFtpSet.szFtpDir), Ftp(p::kFtpFrame), kDirectory).Edit(kOnParam, p::kFtpDirEdit),
    TextRow(SEND_FIELD(sFtpSet.szServer), Ftp(p::kFtpFrame), Ftp(p::kFtpServerLabel)).Edit(kOnParam, p::kFtpServerEdit),
    TextRow(SEND_FIELD(sFtpSet.szUserName), Ftp(p::kFtpFrame), Ftp(p::kFtpUserLabel)).Edit(kOnParam, p::kFtpUserEdit),
    TextRow(SEND_FIELD(sFtpSet.szPassword), Ftp(p::kFtpFrame), Param(p::kFtpPasswordLabel))
        .Edit(kOnParam, p::kFtpPasswordEdit),
    NumberRow(SEND_FIELD(sFtpSet.iPort), Ftp(p::kFtpFrame), Ftp(p::kFtpPortLabel), kNoLabel, 0, 65535)
        .PortEdit(kOnParam, p::kFtpPortEdit, 8),
    ListRow(SEND_FIELD(sFtpSet.iFtpDirType), Ftp(p::kFtpFrame), Param(p::kFtpDirFrame), kNoLabel,
            ItemsOf(param::kFtpDirTypeItems))
        .DropDown(kOnParam, p::kFtpDirTypeList),
    ListRow(SEND_FIELD(sLongitude.byDir), Send(s::kLongitudeLabel), Send(s::kDirectionHead), kNoLabel,
            ItemsOf(send_page::kLongitudeDirs))
        .DropDown(kOnSend, s::kLongitudeDir),
    // Longitude degrees reach 180, latitude degrees 90.
    CoordinateRow(SEND_FIELD(sLongitude.byDegree), s::kLongitudeLabel, s::kDegreeHead, 180, s::kLongitudeDegree, 3),
    CoordinateRow(SEND_FIELD(sLongitude.byMinute), s::kLongitudeLabel, s::kMinuteHead, 59, s::kLongitudeMinute, 2),
    CoordinateRow(SEND_FIELD(sLongitude.bySecond), s::kLongitudeLabel, s::kSecondHead, 59, s::kLongitudeSecond, 2),
    ListRow(SEND_FIELD(sLatitude.byDir), Send(s::kLatitudeLabel), Send(s::kDirectionHead), kNoLabel,
            ItemsOf(send_page::kLatitudeDirs))
        .DropDown(kOnSend, s::kLatitudeDir),
    CoordinateRow(SEND_FIELD(sLatitude.byDegree), s::kLatitudeLabel, s::kDegreeHead, 90, s::kLatitudeDegree, 2),
    CoordinateRow(SEND_FIELD(sLatitude.byMinute), s::kLatitudeLabel, s::kMinuteHead, 59, s::kLatitudeMinute, 2),
    CoordinateRow(SEND_FIELD(sLatitude.bySecond), s::kLatitudeLabel, s::kSecondHead, 59, s::kLatitudeSecond, 2),
    ListRow(SEND_FIELD(byDebugFlag), kDebug, kInUse, kNoLabel, ItemsOf(kOffOnItems)),
    NumberRow(SEND_FIELD(uwDebugPort), kDebug, Param(p::kMmsPortLabel), kNoLabel, 0, 0xFFFF),
    TextRow(SEND_FIELD(szDebugUrl), kDebug, kAddress),
};

#undef SEND_FIELD

}  // namespace send_binding_detail

// Every field of SendSettings, in the order of SendSettingsFields().
inline constexpr std::span<const FieldBinding> kSendBindings = send_binding_detail::kRows;

// The row of a field by its name, at compile time.
constexpr const FieldBinding& SendBinding(const char* name) { return RowOf(send_binding_detail::kRows, name); }

}  // namespace trailcfg
