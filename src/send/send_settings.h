// SendSettings: the 3G sending configuration, byte for byte the plain image of
// CFG.BIN (1320 bytes, little-endian).
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/field_table.h"
#include "common/le.h"

namespace trailcfg {

inline constexpr std::size_t kSendSettingsSize = 1320;
inline constexpr std::uint16_t kSendStructFlag = 0x1005;
// Bit 7 of byte 0 in every file the program writes.
inline constexpr std::uint8_t IF_SEND_BY_APP_SET_FLG = 0x80;
inline constexpr const char* kCfgFileName = "CFG.BIN";
// The only file name entry the program ever writes.
inline constexpr const char* kSendFileFullName = "DCIM\\100IMA3G\\IMAG0001.JPG";

// Send options, the positions of the parameter page's send-option list.
enum : std::uint8_t { kSendByClose3G = 0, kSendByMms = 1, kSendByEmail = 2, kSendByFtp = 3, kSendByCloud = 4 };

inline constexpr std::uint8_t kRemoteIntervalOff = 25;
inline constexpr std::uint8_t kManualCountry = 43;

struct SendTime {
    std::uint8_t byYear;  // year - 2000 (year - 1900 before 2000)
    std::uint8_t byMonth;
    std::uint8_t byDay;
    std::uint8_t byHour;
    std::uint8_t byMinute;
    std::uint8_t bySecond;
    std::uint8_t bSet;
};

struct SmtpSettings {
    LeI32 iPort;
    char sz3GSmtpApN[61];
    char sz3GSmtpAccount[33];
    char sz3GSmtpPassword[33];
    char szServer[61];
    char szAddr[49];
    char szUserName[49];
    char szPassword[33];
    std::uint8_t reserved347;
};

struct MmsSettings {
    char szMmsUrl[61];
    char szMmsApn[61];
    char szMmsGateway[17];
    char szMmsPort[9];
    char szMmsAccount[33];
    char szMmsPassword[33];
};

struct CloudSettings {
    char szRegMail[33];
    char szLoginPassword[33];
    char szSimPhoneNum[16];
    std::uint8_t reserved1045[3];
};

struct FtpSettings {
    char szFtpDir[33];
    char szServer[61];
    char szUserName[49];
    char szPassword[33];
    LeI32 iPort;
    LeI32 iFtpDirType;  // 0 root, 1 the directory in szFtpDir
};

struct Coordinate {
    std::uint8_t byDir;  // 0 E / N, 1 W / S
    std::uint8_t byDegree;
    std::uint8_t byMinute;
    std::uint8_t bySecond;
};

struct SendSettings {
    std::uint8_t bySendBy;
    std::uint8_t bySendMode;
    std::uint8_t bySendImgSize;
    std::uint8_t byRemoteSwitch;
    std::uint8_t byRemoteInterval;
    std::uint8_t byOperatorCountry;
    std::uint8_t byOperator;
    std::uint8_t byDailySendTime;
    std::uint8_t bySendFileNum;
    std::uint8_t reserved9;
    LeU16 uwMaxSendImgNum;
    LeU16 StructFlag;
    SendTime sTime;
    std::uint8_t reserved21[3];
    SmtpSettings sSmtpSet;
    MmsSettings sMmsSet;
    LeU16 uwRecpLen[4];
    char szRecp[4][49];
    char szFileFullName[4][33];
    char szRemotePhoneNum[16];
    char szRemoteEmail[49];
    CloudSettings sCloudSet;
    FtpSettings sFtpSet;
    Coordinate sLongitude;
    Coordinate sLatitude;
    std::uint8_t reserved1240[2];
    std::uint8_t byDebugFlag;
    std::uint8_t reserved1243[13];
    LeU16 uwDebugPort;
    char szDebugUrl[62];
};

static_assert(sizeof(SendSettings) == kSendSettingsSize);

// The six bytes of a Generate's time stamp, as in sTime.
struct GenTime {
    std::uint8_t byYear;
    std::uint8_t byMonth;
    std::uint8_t byDay;
    std::uint8_t byHour;
    std::uint8_t byMinute;
    std::uint8_t bySecond;
};

static_assert(sizeof(GenTime) == 6);

// The time stamp a Generate puts into sTime: the year as two digits (year -
// 2000 from 2000 on, year - 1900 before), the rest as they are, bSet clear.
constexpr SendTime MakeSendTime(int year, int month, int day, int hour, int minute, int second) {
    return SendTime{static_cast<std::uint8_t>(year >= 2000 ? year - 2000 : year - 1900),
                    static_cast<std::uint8_t>(month),
                    static_cast<std::uint8_t>(day),
                    static_cast<std::uint8_t>(hour),
                    static_cast<std::uint8_t>(minute),
                    static_cast<std::uint8_t>(second),
                    0};
}

const FieldTable& SendSettingsFields();
const FieldTable& GenTimeFields();

inline std::uint8_t* RecordBytes(SendSettings& s) { return reinterpret_cast<std::uint8_t*>(&s); }
inline const std::uint8_t* RecordBytes(const SendSettings& s) { return reinterpret_cast<const std::uint8_t*>(&s); }

}  // namespace trailcfg
