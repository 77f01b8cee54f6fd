// The named fields of SendSettings as an X-macro list, X(name, member,
// offset, kind, width), in record order: send_fields.cpp makes the field
// table of it, and the binding rows are checked against it at compile time
// (binding/rows_follow_fields.cpp). Reserved bytes are not listed.
#pragma once

#define TRAILCFG_SEND_FIELDS(X)                                              \
    X("bySendBy", bySendBy, 0, U8, 1)                                        \
    X("bySendMode", bySendMode, 1, U8, 1)                                    \
    X("bySendImgSize", bySendImgSize, 2, U8, 1)                              \
    X("byRemoteSwitch", byRemoteSwitch, 3, U8, 1)                            \
    X("byRemoteInterval", byRemoteInterval, 4, U8, 1)                        \
    X("byOperatorCountry", byOperatorCountry, 5, U8, 1)                      \
    X("byOperator", byOperator, 6, U8, 1)                                    \
    X("byDailySendTime", byDailySendTime, 7, U8, 1)                          \
    X("bySendFileNum", bySendFileNum, 8, U8, 1)                              \
    X("uwMaxSendImgNum", uwMaxSendImgNum, 10, U16, 2)                        \
    X("StructFlag", StructFlag, 12, U16, 2)                                  \
    X("sTime.byYear", sTime.byYear, 14, U8, 1)                               \
    X("sTime.byMonth", sTime.byMonth, 15, U8, 1)                             \
    X("sTime.byDay", sTime.byDay, 16, U8, 1)                                 \
    X("sTime.byHour", sTime.byHour, 17, U8, 1)                               \
    X("sTime.byMinute", sTime.byMinute, 18, U8, 1)                           \
    X("sTime.bySecond", sTime.bySecond, 19, U8, 1)                           \
    X("sTime.bSet", sTime.bSet, 20, U8, 1)                                   \
    X("sSmtpSet.iPort", sSmtpSet.iPort, 24, I32, 4)                          \
    X("sSmtpSet.sz3GSmtpApN", sSmtpSet.sz3GSmtpApN, 28, Text, 61)            \
    X("sSmtpSet.sz3GSmtpAccount", sSmtpSet.sz3GSmtpAccount, 89, Text, 33)    \
    X("sSmtpSet.sz3GSmtpPassword", sSmtpSet.sz3GSmtpPassword, 122, Text, 33) \
    X("sSmtpSet.szServer", sSmtpSet.szServer, 155, Text, 61)                 \
    X("sSmtpSet.szAddr", sSmtpSet.szAddr, 216, Text, 49)                     \
    X("sSmtpSet.szUserName", sSmtpSet.szUserName, 265, Text, 49)             \
    X("sSmtpSet.szPassword", sSmtpSet.szPassword, 314, Text, 33)             \
    X("sMmsSet.szMmsUrl", sMmsSet.szMmsUrl, 348, Text, 61)                   \
    X("sMmsSet.szMmsApn", sMmsSet.szMmsApn, 409, Text, 61)                   \
    X("sMmsSet.szMmsGateway", sMmsSet.szMmsGateway, 470, Text, 17)           \
    X("sMmsSet.szMmsPort", sMmsSet.szMmsPort, 487, Text, 9)                  \
    X("sMmsSet.szMmsAccount", sMmsSet.szMmsAccount, 496, Text, 33)           \
    X("sMmsSet.szMmsPassword", sMmsSet.szMmsPassword, 529, Text, 33)         \
    X("uwRecpLen[0]", uwRecpLen[0], 562, U16, 2)                             \
    X("uwRecpLen[1]", uwRecpLen[1], 564, U16, 2)                             \
    X("uwRecpLen[2]", uwRecpLen[2], 566, U16, 2)                             \
    X("uwRecpLen[3]", uwRecpLen[3], 568, U16, 2)                             \
    X("szRecp[0]", szRecp[0], 570, Text, 49)                                 \
    X("szRecp[1]", szRecp[1], 619, Text, 49)                                 \
    X("szRecp[2]", szRecp[2], 668, Text, 49)                                 \
    X("szRecp[3]", szRecp[3], 717, Text, 49)                                 \
    X("szFileFullName[0]", szFileFullName[0], 766, Text, 33)                 \
    X("szFileFullName[1]", szFileFullName[1], 799, Text, 33)                 \
    X("szFileFullName[2]", szFileFullName[2], 832, Text, 33)                 \
    X("szFileFullName[3]", szFileFullName[3], 865, Text, 33)                 \
    X("szRemotePhoneNum", szRemotePhoneNum, 898, Text, 16)                   \
    X("szRemoteEmail", szRemoteEmail, 914, Text, 49)                         \
    X("sCloudSet.szRegMail", sCloudSet.szRegMail, 963, Text, 33)             \
    X("sCloudSet.szLoginPassword", sCloudSet.szLoginPassword, 996, Text, 33) \
    X("sCloudSet.szSimPhoneNum", sCloudSet.szSimPhoneNum, 1029, Text, 16)    \
    X("sFtpSet.szFtpDir", sFtpSet.szFtpDir, 1048, Text, 33)                  \
    X("sFtpSet.szServer", sFtpSet.szServer, 1081, Text, 61)                  \
    X("sFtpSet.szUserName", sFtpSet.szUserName, 1142, Text, 49)              \
    X("sFtpSet.szPassword", sFtpSet.szPassword, 1191, Text, 33)              \
    X("sFtpSet.iPort", sFtpSet.iPort, 1224, I32, 4)                          \
    X("sFtpSet.iFtpDirType", sFtpSet.iFtpDirType, 1228, I32, 4)              \
    X("sLongitude.byDir", sLongitude.byDir, 1232, U8, 1)                     \
    X("sLongitude.byDegree", sLongitude.byDegree, 1233, U8, 1)               \
    X("sLongitude.byMinute", sLongitude.byMinute, 1234, U8, 1)               \
    X("sLongitude.bySecond", sLongitude.bySecond, 1235, U8, 1)               \
    X("sLatitude.byDir", sLatitude.byDir, 1236, U8, 1)                       \
    X("sLatitude.byDegree", sLatitude.byDegree, 1237, U8, 1)                 \
    X("sLatitude.byMinute", sLatitude.byMinute, 1238, U8, 1)                 \
    X("sLatitude.bySecond", sLatitude.bySecond, 1239, U8, 1)                 \
    X("byDebugFlag", byDebugFlag, 1242, U8, 1)                               \
    X("uwDebugPort", uwDebugPort, 1256, U16, 2)                              \
    X("szDebugUrl", szDebugUrl, 1258, Text, 62)
