// The 3G parameter page's texts in both languages: its captions and the
// items of its own lists.
#pragma once

#include "common/gbk_literal.h"
#include "platform/control_ids.h"
#include "texts/caption.h"
#include "texts/list_table.h"

namespace trailcfg::param {

using namespace ids::param;

// The FTP group's captions, set again whenever FTP is chosen.
inline constexpr Caption kFtpCaptions[] = {
    {kFtpFrame, {{GBK("FTP设置"), "FTP Settings"}}},
    {kFtpServerLabel, {{GBK("服务器"), "Server"}}},
    {kFtpPortLabel, {{GBK("端口"), "Port"}}},
    {kFtpUserLabel, {{GBK("用户名"), "User Name"}}},
};

inline constexpr Caption kParamPageCaptions[] = {
    {kSendOptionLabel, {{GBK("3G发送选项"), "3G Send Options"}}},
    {kOperatorModeLabel, {{GBK("3G参数设置"), "3G Parameter Options"}}},
    {kOperatorFrame, {{GBK("运营商选择"), "Operator Selection"}}},
    {kCountryLabel, {{GBK("国家"), "Country"}}},
    {kOperatorLabel, {{GBK("运营商"), "Operator"}}},
    {kMmsFrame, {{GBK("彩信参数"), "MMS Parameters"}}},
    {kMmsUrlLabel, {{GBK("网址"), "URL"}}},
    {kMmsGatewayLabel, {{GBK("网关"), "Gateway"}}},
    {kMmsPortLabel, {{GBK("端口"), "Port"}}},
    {kMmsAccountLabel, {{GBK("帐号"), "Account"}}},
    {kMmsPasswordLabel, {{GBK("密码"), "Password"}}},
    {kFtpPasswordLabel, {{GBK("密码"), "Password"}}},
    {kFtpDirFrame, {{GBK("上传到的FTP目录(必须已存在)"), "Upload to FTP directory (must exist)"}}},
    {kNetworkMailFrame, {{GBK("网络设置, 邮件参数"), "Network Settings, Mail Parameters"}}},
    {k3GNetworkFrame, {{GBK("3G网络设置"), "3G Network Settings"}}},
    {k3GApnLabel, {{"APN", "APN"}}},
    {k3GAccountLabel, {{GBK("帐号"), "Account"}}},
    {k3GPasswordLabel, {{GBK("密码"), "Password"}}},
    {kOutboxFrame, {{GBK("发件箱设置"), "Sender Settings"}}},
    {kOutboxServerLabel, {{GBK("服务器"), "Server"}}},
    {kOutboxPortLabel, {{GBK("端口"), "Port"}}},
    {kOutboxAddressLabel, {{GBK("邮件地址"), "Email Address"}}},
    {kOutboxAccountLabel, {{GBK("帐号"), "Account"}}},
    {kOutboxPasswordLabel, {{GBK("密码"), "Password"}}},
    {kNextPageButton, {{GBK("下一页"), "Next Page"}}},
};

// Item k is bySendBy k. The record also knows 4 (a cloud service), which
// this list never offers.
inline constexpr ListTable<4> kSendOptionItems{{
    {GBK("关闭3G"), GBK("彩信"), GBK("邮件"), "FTP"},
    {"Close 3G", "MMS", "Email", "FTP"},
}};

inline constexpr ListTable<2> kOperatorModeItems{{
    {GBK("选择运营商参数"), GBK("手动输入")},
    {"Select Operator", "Manual Input"},
}};

inline constexpr ListTable<2> kFtpDirTypeItems{{
    {GBK("根目录"), GBK("指定目录")},
    {"Root", "Specify"},
}};

inline constexpr const char* kMmsApnKindItems[] = {"APN", "CSD"};

}  // namespace trailcfg::param
