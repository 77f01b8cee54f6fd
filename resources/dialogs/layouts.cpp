// The four page layouts. The rows live in dialog_<template>.inc, one control
// per line in creation order (which is also the tab order), so that a layout
// reads like the dialog it describes and stays free of code.
#include "platform/layout.h"

#include <iterator>

#include "common/gbk_literal.h"

namespace trailcfg {

namespace {

using enum ControlKind;

constexpr ControlLayout kStartPageControls[] = {
#include "dialog_111.inc"
};

constexpr ControlLayout kCameraPageControls[] = {
#include "dialog_113.inc"
};

constexpr ControlLayout kParamPageControls[] = {
#include "dialog_107.inc"
};

constexpr ControlLayout kSendPageControls[] = {
#include "dialog_106.inc"
};

constexpr const char* kDialogFont = "MS Shell Dlg";
constexpr int kDialogFontPoints = 8;

constexpr DialogLayout Layout(int templateId, std::int16_t cx, std::int16_t cy, const char* title,
                              const ControlLayout* controls, int count) {
    return DialogLayout{templateId, cx, cy, title, kDialogFont, kDialogFontPoints, controls, count};
}

constexpr DialogLayout kLayouts[] = {
    Layout(kTemplateStartPage, 257, 135, GBK("设置"), kStartPageControls,
           static_cast<int>(std::size(kStartPageControls))),
    Layout(kTemplateCameraPage, 361, 425, GBK("相机设置"), kCameraPageControls,
           static_cast<int>(std::size(kCameraPageControls))),
    Layout(kTemplateParamPage, 292, 386, GBK("3G参数设置"), kParamPageControls,
           static_cast<int>(std::size(kParamPageControls))),
    Layout(kTemplateSendPage, 292, 386, GBK("3G发送设置"), kSendPageControls,
           static_cast<int>(std::size(kSendPageControls))),
};

}  // namespace

const DialogLayout* FindDialogLayout(int templateId) {
    for (const DialogLayout& layout : kLayouts)
        if (layout.templateId == templateId) return &layout;
    return nullptr;
}

const ControlLayout* FindControl(const DialogLayout& layout, int id) {
    for (const ControlLayout& control : layout)
        if (control.id == id) return &control;
    return nullptr;
}

}  // namespace trailcfg
