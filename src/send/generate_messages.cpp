#include "generate_messages.h"

#include <cstddef>
#include <iterator>

#include "common/gbk_literal.h"

namespace trailcfg {

namespace {

struct MessageRow {
    GenerateMessage message;
    const char* name;
    const char* fields;  // what the user must change, by the records' field names
    TextPair text;
};

// The English BadFtpAccount text breaks its line with a lone "\r": that is
// how the camera owners have always seen it, so it stays.
constexpr MessageRow kMessages[] = {
    {GenerateMessage::NeedEmail,
     "NeedEmail",
     "szRecp[2], szRecp[3]",
     {{GBK("未生成配置文件！\r\n请输入至少一个邮箱地址。"),
       "Generate failed!\r\nPlease enter at least one email address."}}},
    {GenerateMessage::BadEmail1,
     "BadEmail1",
     "szRecp[2]",
     {{GBK("未生成配置文件！\r\n邮箱地址1错误。"), "Generate failed!\r\nEmail address 1 error."}}},
    {GenerateMessage::BadEmail2,
     "BadEmail2",
     "szRecp[3]",
     {{GBK("未生成配置文件！\r\n邮箱地址2错误。"), "Generate failed!\r\nEmail address 2 error."}}},
    {GenerateMessage::NeedRecipient,
     "NeedRecipient",
     "szRecp[0], szRecp[1], szRecp[2], szRecp[3]",
     {{GBK("未生成配置文件！\r\n请输入至少一个手机号码或邮箱地址。"),
       "Generate failed!\r\nPlease enter at least one phone number or email address."}}},
    {GenerateMessage::BadRemotePhone,
     "BadRemotePhone",
     "szRemotePhoneNum",
     {{GBK("未生成配置文件！\r\n请输入正确的遥控手机号码。"),
       "Generate failed!\r\nPlease enter the correct remote phone number."}}},
    {GenerateMessage::BadRemoteEmail,
     "BadRemoteEmail",
     "szRemoteEmail",
     {{GBK("未生成配置文件！\r\n请输入正确的遥控接收邮箱。"),
       "Generate failed!\r\nPlease enter the correct remote control receiving email."}}},
    {GenerateMessage::NeedMmsUrl,
     "NeedMmsUrl",
     "sMmsSet.szMmsUrl",
     {{GBK("未生成配置文件！\r\n请输入彩信网址。"), "Generate failed!\r\nPlease enter MMS URL."}}},
    {GenerateMessage::NeedMmsApn,
     "NeedMmsApn",
     "sMmsSet.szMmsApn",
     {{GBK("未生成配置文件！\r\n请输入彩信APN。"), "Generate failed!\r\nPlease enter MMS APN."}}},
    {GenerateMessage::NeedMmsGateway,
     "NeedMmsGateway",
     "sMmsSet.szMmsGateway",
     {{GBK("未生成配置文件！\r\n请输入彩信网关。"), "Generate failed!\r\nPlease enter MMS Gateway."}}},
    {GenerateMessage::Need3GApn,
     "Need3GApn",
     "sSmtpSet.sz3GSmtpApN",
     {{GBK("未生成配置文件！\r\n请输入3G网络APN。"), "Generate failed!\r\nPlease enter 3G network APN."}}},
    {GenerateMessage::NeedOutboxServer,
     "NeedOutboxServer",
     "sSmtpSet.szServer",
     {{GBK("未生成配置文件！\r\n请输入发件箱服务器。"), "Generate failed!\r\nPlease enter outbox server."}}},
    {GenerateMessage::NeedOutboxPort,
     "NeedOutboxPort",
     "sSmtpSet.iPort",
     {{GBK("未生成配置文件！\r\n请输入发件箱端口。"), "Generate failed!\r\nPlease enter outbox port."}}},
    {GenerateMessage::BadOutboxAddress,
     "BadOutboxAddress",
     "sSmtpSet.szAddr",
     {{GBK("未生成配置文件！\r\n发件箱地址错误!"), "Generate failed!\r\nOutbox address error!"}}},
    {GenerateMessage::NeedOutboxPassword,
     "NeedOutboxPassword",
     "sSmtpSet.szPassword",
     {{GBK("未生成配置文件！\r\n请输入发件箱密码。"), "Generate failed!\r\nPlease enter outbox password."}}},
    {GenerateMessage::NeedFtpServer,
     "NeedFtpServer",
     "sFtpSet.szServer",
     {{GBK("未生成配置文件！\r\n请输入FTP服务器。"), "Generate failed!\r\nPlease enter FTP server."}}},
    {GenerateMessage::NeedFtpPort,
     "NeedFtpPort",
     "sFtpSet.iPort",
     {{GBK("未生成配置文件！\r\n请输入FTP端口。"), "Generate failed!\r\nPlease enter FTP port."}}},
    {GenerateMessage::BadFtpAccount,
     "BadFtpAccount",
     "sFtpSet.szUserName",
     {{GBK("未生成配置文件！\r\nFTP帐号错误!"), "Generate failed!\rFTP account error!"}}},
    {GenerateMessage::NeedFtpPassword,
     "NeedFtpPassword",
     "sFtpSet.szPassword",
     {{GBK("未生成配置文件！\r\n请输入FTP密码。"), "Generate failed!\r\nPlease enter FTP password."}}},
    {GenerateMessage::Success, "Success", "", {{GBK("成功生成配置文件!"), "Generate Success!"}}},
};

constexpr bool RowsFollowTheEnum() {
    if (std::size(kMessages) != static_cast<std::size_t>(kGenerateMessageCount)) return false;
    for (std::size_t i = 0; i < std::size(kMessages); ++i)
        if (static_cast<std::size_t>(kMessages[i].message) != i) return false;
    return true;
}
static_assert(RowsFollowTheEnum(), "one row per message, in the order of the enum");

const MessageRow& RowOf(GenerateMessage message) { return kMessages[static_cast<std::size_t>(message)]; }

}  // namespace

const TextPair& GenerateMessageText(GenerateMessage message) { return RowOf(message).text; }

const char* GenerateMessageName(GenerateMessage message) { return RowOf(message).name; }

const char* GenerateMessageFields(GenerateMessage message) { return RowOf(message).fields; }

}  // namespace trailcfg
