// The send page's texts: its captions and the items of its six lists, in
// both interface languages. The lists' rows (binding/send_bindings.h) carry
// the items to the page.
#pragma once

#include "common/gbk_literal.h"
#include "platform/control_ids.h"
#include "texts/caption.h"
#include "texts/list_table.h"

namespace trailcfg::send_page {

using namespace ids::send;

inline constexpr Caption kCaptions[] = {
    {kRecipientFrame, {{GBK("发往目的地"), "To Destination"}}},
    {kPhone1Label, {{GBK("手机号码1"), "Phone Number 1"}}},
    {kPhone2Label, {{GBK("手机号码2"), "Phone Number 2"}}},
    {kEmail1Label, {{GBK("邮件地址1"), "Email Address1"}}},
    {kEmail2Label, {{GBK("邮件地址2"), "Email Address2"}}},
    {kCoordinateFrame, {{GBK("坐标"), "Coordinate"}}},
    {kDirectionHead, {{GBK("方向"), "Direction"}}},
    {kDegreeHead, {{GBK("度"), "Degree"}}},
    {kMinuteHead, {{GBK("分"), "Minute"}}},
    {kSecondHead, {{GBK("秒"), "Second"}}},
    {kLongitudeLabel, {{GBK("经度"), "Longitude"}}},
    {kLatitudeLabel, {{GBK("纬度"), "Latitude"}}},
    {kImageSizeLabel, {{GBK("发送图片大小"), "Send Image Size"}}},
    {kMaxSentLabel, {{GBK("最大发送数量"), "Max Sent Num"}}},
    {kPerDayLabel, {{GBK("/天"), "/Day"}}},
    {kSendModeFrame, {{GBK("发送方式"), "Send Mode"}}},
    {kSendModeLabel, {{GBK("3G发送方式"), "3G Send Mode"}}},
    {kDailyTimeLabel, {{GBK("集中发送时间"), "Daily Send Time"}}},
    {kRemoteFrame, {{GBK("遥控"), "Remote Control"}}},
    {kRemoteIntervalLabel, {{GBK("遥控间隔时间"), "Remote Interval"}}},
    {kNoCmd22Box, {{GBK("不使用22,60,61命令"), "Do not use 22,60,61 command"}}},
    {kRemotePhoneLabel, {{GBK("遥控手机号码"), "Remote Phone Number"}}},
    {kRemoteEmailLabel, {{GBK("遥控接收邮箱"), "Remote Receiver Email"}}},
    {kRemotePhoneNote, {{GBK("^ 发遥控命令"), "^ Send remote commands"}}},
    {kRemoteEmailNote, {{GBK("^ 接收遥控请求/拍摄的图像"), "^ Receive remote control request/shot image"}}},
    {kSaveFolderFrame, {{GBK("保存路径"), "Save Path"}}},
    {kBrowseButton, {{GBK("浏览"), "Browse"}}},
    {kPreviousButton, {{GBK("上一页"), "Previous Page"}}},
    {kGenerateButton, {{GBK("生成配置"), "Generate"}}},
};

inline constexpr ListTable<2> kLongitudeDirs{{{GBK("东"), GBK("西")}, {"E", "W"}}};
inline constexpr ListTable<2> kLatitudeDirs{{{GBK("北"), GBK("南")}, {"N", "S"}}};
inline constexpr ListTable<2> kImageSizes{{{GBK("大图"), GBK("小图")}, {"Full Image", "Thumbnail"}}};
inline constexpr ListTable<2> kSendModes{{{GBK("立即发送"), GBK("每天集中发送")}, {"Send Immediately", "Daily Send"}}};

inline constexpr ListTable<24> kDailySendTimes{{
    {
        GBK("00点钟"), GBK("01点钟"), GBK("02点钟"), GBK("03点钟"), GBK("04点钟"), GBK("05点钟"),
        GBK("06点钟"), GBK("07点钟"), GBK("08点钟"), GBK("09点钟"), GBK("10点钟"), GBK("11点钟"),
        GBK("12点钟"), GBK("13点钟"), GBK("14点钟"), GBK("15点钟"), GBK("16点钟"), GBK("17点钟"),
        GBK("18点钟"), GBK("19点钟"), GBK("20点钟"), GBK("21点钟"), GBK("22点钟"), GBK("23点钟"),
    },
    {
        "00 o'clock", "01 o'clock", "02 o'clock", "03 o'clock", "04 o'clock", "05 o'clock", "06 o'clock", "07 o'clock",
        "08 o'clock", "09 o'clock", "10 o'clock", "11 o'clock", "12 o'clock", "13 o'clock", "14 o'clock", "15 o'clock",
        "16 o'clock", "17 o'clock", "18 o'clock", "19 o'clock", "20 o'clock", "21 o'clock", "22 o'clock", "23 o'clock",
    },
}};

// Position 0 turns remote control off, 1 is every ten minutes, 2..25 every
// 1..24 hours.
inline constexpr ListTable<26> kRemoteIntervals{{
    {
        GBK("关闭遥控"), GBK("10分钟"), GBK("01小时"), GBK("02小时"), GBK("03小时"), GBK("04小时"), GBK("05小时"),
        GBK("06小时"),   GBK("07小时"), GBK("08小时"), GBK("09小时"), GBK("10小时"), GBK("11小时"), GBK("12小时"),
        GBK("13小时"),   GBK("14小时"), GBK("15小时"), GBK("16小时"), GBK("17小时"), GBK("18小时"), GBK("19小时"),
        GBK("20小时"),   GBK("21小时"), GBK("22小时"), GBK("23小时"), GBK("24小时"),
    },
    {
        "Remote Off", "10 Minutes", "01 Hours", "02 Hours", "03 Hours", "04 Hours", "05 Hours", "06 Hours", "07 Hours",
        "08 Hours",   "09 Hours",   "10 Hours", "11 Hours", "12 Hours", "13 Hours", "14 Hours", "15 Hours", "16 Hours",
        "17 Hours",   "18 Hours",   "19 Hours", "20 Hours", "21 Hours", "22 Hours", "23 Hours", "24 Hours",
    },
}};

}  // namespace trailcfg::send_page
