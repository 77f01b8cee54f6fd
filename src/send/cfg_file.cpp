#include "cfg_file.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "common/diag.h"
#include "common/file_io.h"
#include "common/gbk_literal.h"
#include "common/record_file.h"
#include "common/scramble.h"
#include "common/text_copy.h"

namespace trailcfg {

namespace {

void DumpRecord(SendSettings& s) {
    Diag("g_sSendSet.bySendBy=%d\n", s.bySendBy);
    for (int i = 0; i < 4; ++i) {
        Diag("g_sSendSet.uwRecpLen[%d]=%d\n", i, static_cast<int>(s.uwRecpLen[i]));
        Diag("g_sSendSet.szRecp[%d]=\"%.*s\"\n", i, BOUNDED(s.szRecp[i]));
    }
    if (s.bySendFileNum > 4) s.bySendFileNum = 0;
    Diag("g_sSendSet.bySendFileNum=%d\n", s.bySendFileNum);
    for (int i = 0; i < s.bySendFileNum; ++i)
        Diag("g_sSendSet.szFileFullName[%d]=\"%.*s\"\n", i, BOUNDED(s.szFileFullName[i]));
    Diag("g_sSendSet.byOperatorCountry=%d\n", s.byOperatorCountry);

    const MmsSettings& m = s.sMmsSet;
    Diag("%s:\"%.*s\"\n", "Url", BOUNDED(m.szMmsUrl));
    Diag("%s:\"%.*s\"\n", "Apn", BOUNDED(m.szMmsApn));
    Diag("%s:\"%.*s\"\n", "Gateway", BOUNDED(m.szMmsGateway));
    Diag("%s:\"%.*s\"\n", "Port", BOUNDED(m.szMmsPort));
    Diag("%s:\"%.*s\"\n", "Account", BOUNDED(m.szMmsAccount));
    Diag("%s:\"%.*s\"\n", "Password", BOUNDED(m.szMmsPassword));

    const SmtpSettings& t = s.sSmtpSet;
    Diag("g_sSendSet.sSmtpSet.sz3GSmtpApN=%.*s\n", BOUNDED(t.sz3GSmtpApN));
    Diag("g_sSendSet.sSmtpSet.sz3GSmtpAccount=%.*s\n", BOUNDED(t.sz3GSmtpAccount));
    Diag("g_sSendSet.sSmtpSet.sz3GSmtpPassword=%.*s\n", BOUNDED(t.sz3GSmtpPassword));
    Diag("g_sSendSet.sSmtpSet.szServer=%.*s\n", BOUNDED(t.szServer));
    Diag("g_sSendSet.sSmtpSet.iPort=%d\n", static_cast<int>(t.iPort));
    Diag("g_sSendSet.sSmtpSet.szAddr=%.*s\n", BOUNDED(t.szAddr));
    Diag("g_sSendSet.sSmtpSet.szUserName=%.*s\n", BOUNDED(t.szUserName));
    Diag("g_sSendSet.sSmtpSet.szPassword=%.*s\n", BOUNDED(t.szPassword));

    const SendTime& tm = s.sTime;
    Diag("Time(%d-%d-%d, %d:%d:%d), bSet=%d\n", tm.byYear, tm.byMonth, tm.byDay, tm.byHour, tm.byMinute, tm.bySecond,
         tm.bSet);

    s.bySendMode = 0;
    Diag("g_sSendSet.bySendMode=%d\n", s.bySendMode);
    Diag("g_sSendSet.bySendImgSize=%d\n", s.bySendImgSize);
    Diag("g_sSendSet.uwMaxSendImgNum=%d\n", static_cast<int>(s.uwMaxSendImgNum));
    Diag("g_sSendSet.szRemotePhoneNum=\"%.*s\"\n", BOUNDED(s.szRemotePhoneNum));
    Diag("g_sSendSet.byRemoteInterval=%d\n", s.byRemoteInterval);
    if (s.byRemoteInterval > kRemoteIntervalOff) {
        s.byRemoteInterval = 0;
        s.byRemoteSwitch = 1;
    } else {
        s.byRemoteSwitch = s.byRemoteInterval == kRemoteIntervalOff ? 0 : 1;
    }
    Diag("g_sSendSet.byRemoteSwitch=%d\n", s.byRemoteSwitch);
    Diag("g_sSendSet.byOperatorCountry=%d\n", s.byOperatorCountry);
    Diag("g_sSendSet.byOperator=%d\n", s.byOperator);
    Diag("g_sSendSet.byDailySendTime=%d\n", s.byDailySendTime);

    if (s.bySendBy == kSendByFtp) {
        const FtpSettings& f = s.sFtpSet;
        Diag("g_sSendSet.sFtpSet.iFtpDirType\t=%d\n", static_cast<int>(f.iFtpDirType));
        Diag("g_sSendSet.sFtpSet.szFtpDir\t=%.*s\n", BOUNDED(f.szFtpDir));
        Diag("g_sSendSet.sFtpSet.szServer\t=%.*s\n", BOUNDED(f.szServer));
        Diag("g_sSendSet.sFtpSet.iPort\t=%d\n", static_cast<int>(f.iPort));
        Diag("g_sSendSet.sFtpSet.szUserName\t=%.*s\n", BOUNDED(f.szUserName));
        Diag("g_sSendSet.sFtpSet.szPassword\t=%.*s\n", BOUNDED(f.szPassword));
    } else if (s.bySendBy == kSendByCloud) {
        // The pages offer no cloud option; such a file loads as Close 3G and
        // keeps its cloud account.
        s.bySendBy = kSendByClose3G;
    }

    static constexpr const char* kDegreeMark = GBK("。");
    Diag("g_sSendSet.sLongitude:\t(%d)%d%s%d'%d\"\n", s.sLongitude.byDir, s.sLongitude.byDegree, kDegreeMark,
         s.sLongitude.byMinute, s.sLongitude.bySecond);
    Diag("g_sSendSet.sLatitude:\t(%d)%d%s%d'%d\"\n", s.sLatitude.byDir, s.sLatitude.byDegree, kDegreeMark,
         s.sLatitude.byMinute, s.sLatitude.bySecond);
}

}  // namespace

void MakeSendDefaults(SendSettings& out) {
    std::memset(&out, 0, sizeof out);
    out.uwMaxSendImgNum = 49;
    out.StructFlag = kSendStructFlag;
    std::strcpy(out.sFtpSet.szFtpDir, "/");
    out.bySendBy = kSendByMms;
    out.byRemoteInterval = kRemoteIntervalOff;
    out.sFtpSet.iPort = 21;
}

void EncodeCfgImage(const SendSettings& record, std::uint8_t (&image)[kSendSettingsSize]) {
    std::memcpy(image, &record, kSendSettingsSize);
    image[0] |= IF_SEND_BY_APP_SET_FLG;
    ScrambleBytes(image, kSendSettingsSize);
}

bool WriteCfgFile(const NativePath& file, const char* shownPath, const SendSettings& record) {
    std::uint8_t image[kSendSettingsSize];
    EncodeCfgImage(record, image);
    return WriteRecordFile(file, shownPath, image, sizeof image);
}

int ReadCfgFile(const NativePath& file, const char* shownPath, SendSettings& s, int verify,
                const GenTime& lastGenTime) {
    Diag("sizeof = %d\n", static_cast<int>(kSendSettingsSize));
    std::uint8_t image[kSendSettingsSize];
    if (!ReadRecordFile(file, shownPath, image, sizeof image, [] { Diag("_bufsiz = %d\n", static_cast<int>(BUFSIZ)); }))
        return 0;
    std::memcpy(&s, image, sizeof image);
    UnscrambleBytes(RecordBytes(s), kSendSettingsSize);

    if (s.StructFlag != kSendStructFlag) {
        Diag("StructFlag is different!\n");
        std::memset(&s, 0, sizeof s);
        s.StructFlag = kSendStructFlag;
        return 0;
    }
    Diag("IF_SEND_BY_APP_SET_FLG=%d\n", (s.bySendBy & IF_SEND_BY_APP_SET_FLG) ? 1 : 0);
    s.bySendBy = static_cast<std::uint8_t>(s.bySendBy & ~IF_SEND_BY_APP_SET_FLG);
    DumpRecord(s);

    if (verify == 0) return 1;
    const SendTime& t = s.sTime;
    return t.byYear == lastGenTime.byYear && t.byMonth == lastGenTime.byMonth && t.byDay == lastGenTime.byDay &&
                   t.byHour == lastGenTime.byHour && t.byMinute == lastGenTime.byMinute &&
                   t.bySecond == lastGenTime.bySecond
               ? 1
               : 0;
}

VerifiedWrite WriteCfgFileVerified(const CardLock& lock, const NativePath& file, const char* shownPath,
                                   const SendSettings& record, SendSettings& readBack) {
    std::uint8_t image[kSendSettingsSize];
    EncodeCfgImage(record, image);
    const SendTime& t = record.sTime;
    const GenTime stamp{t.byYear, t.byMonth, t.byDay, t.byHour, t.byMinute, t.bySecond};
    return WriteRecordVerified(lock, file, shownPath, image, sizeof image, nullptr,
                               [&] { return ReadCfgFile(file, shownPath, readBack, 1, stamp) == 1; });
}

}  // namespace trailcfg
