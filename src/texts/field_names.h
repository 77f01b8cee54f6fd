// Names for the fields no page shows, and for the parts of a field's name
// the pages' captions lack, in both interface languages.
#pragma once

#include "common/gbk_literal.h"
#include "common/text_pair.h"

namespace trailcfg::field_names {

inline constexpr TextPair kFileNamesInUse{{GBK("使用的文件名数"), "File names in use"}};
inline constexpr TextPair kFormatMarker{{GBK("格式标记"), "Format marker"}};
inline constexpr TextPair kLastGenerate{{GBK("上次生成时间"), "Last Generate"}};
inline constexpr TextPair kYear{{GBK("年"), "Year"}};
inline constexpr TextPair kMonth{{GBK("月"), "Month"}};
inline constexpr TextPair kDay{{GBK("日"), "Day"}};
inline constexpr TextPair kHour{{GBK("时"), "Hour"}};
inline constexpr TextPair kMinute{{GBK("分"), "Minute"}};
inline constexpr TextPair kSecond{{GBK("秒"), "Second"}};
inline constexpr TextPair kSetFlag{{GBK("设置标志"), "Set flag"}};
inline constexpr TextPair kLength{{GBK("长度"), "Length"}};
inline constexpr TextPair kFileName{{GBK("文件名"), "File name"}};
inline constexpr TextPair kCloud{{GBK("云服务"), "Cloud service"}};
inline constexpr TextPair kRegMail{{GBK("注册邮箱"), "Registered e-mail"}};
inline constexpr TextPair kLoginPassword{{GBK("登录密码"), "Login password"}};
inline constexpr TextPair kSimPhone{{GBK("SIM卡号码"), "SIM card number"}};
inline constexpr TextPair kDirectory{{GBK("目录"), "Directory"}};
inline constexpr TextPair kDebug{{GBK("调试服务器"), "Debug server"}};
inline constexpr TextPair kInUse{{GBK("使用"), "In use"}};
inline constexpr TextPair kAddress{{GBK("地址"), "Address"}};
inline constexpr TextPair kCharacter{{GBK("字符"), "Character"}};
inline constexpr TextPair kMarker{{GBK("标记字节"), "Marker byte"}};
inline constexpr TextPair kReserved{{GBK("保留字节"), "Reserved byte"}};
inline constexpr TextPair kDigit[4] = {{{"1", "1"}}, {{"2", "2"}}, {{"3", "3"}}, {{"4", "4"}}};

}  // namespace trailcfg::field_names
