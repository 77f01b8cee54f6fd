// The start page's texts.
#pragma once

#include "common/gbk_literal.h"
#include "platform/control_ids.h"
#include "ui/apply_texts.h"
#include "ui/window_titles.h"

namespace trailcfg {

inline constexpr Caption kStartPageCaptions[] = {
    {ids::start::kVersionFrame, {{GBK("软件版本"), "Version"}}},
    {ids::start::kLanguageFrame, {{GBK("界面语言"), "Interface Language"}}},
    {ids::start::kCameraSetupButton, kTitleCameraSetup},
    {ids::start::k3GSetupButton, {{GBK("3G设置"), "3G Setup"}}},
    {ids::start::kModelFrame, {{GBK("相机型号"), "Camera Model"}}},
};

// The same in both languages: the file version, each language named in its
// own language, and the camera models in the order of g_iCameraModel.
inline constexpr const char* kVersionText = "1,2,2,27";
inline constexpr const char* kLanguageNames[] = {GBK("中文"), "English"};
inline constexpr const char* kCameraModelNames[] = {
    "ORV-2100-3G",
    "ORV-2100-3G(BASIC)",
    "ORV-2200-3G",
    "ORV-2200-3G(BASIC)",
};

}  // namespace trailcfg
