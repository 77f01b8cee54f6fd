// Message boxes: the two titles used throughout, and the texts shared by
// more than one page.
#pragma once

#include "common/gbk_literal.h"
#include "common/text_pair.h"

namespace trailcfg {

// With the warning icon: refused input, failed checks, out-of-range values.
inline constexpr TextPair kCaptionWarning{{GBK("警告"), "Warning"}};
// With the information icon: a file was generated.
inline constexpr TextPair kCaptionNotice{{GBK("通知"), "Notice"}};

inline constexpr TextPair kTextOutOfRange{{GBK("输入内容超出范围！"), "The input is out of range!"}};

}  // namespace trailcfg
