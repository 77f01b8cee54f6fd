// The window titles of the four pages.
#pragma once

#include "common/gbk_literal.h"
#include "common/text_pair.h"

namespace trailcfg {

inline constexpr TextPair kTitleStartPage{{GBK("设置"), "Setup"}};
// Also the caption of the start page's button that opens this page.
inline constexpr TextPair kTitleCameraSetup{{GBK("相机设置"), "Camera Setup"}};
inline constexpr TextPair kTitleParamPage{{GBK("3G参数设置"), "3G Parameter Settings"}};
inline constexpr TextPair kTitleSendPage{{GBK("3G发送设置"), "3G Send Settings"}};

}  // namespace trailcfg
