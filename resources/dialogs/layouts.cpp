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

// Screen-reader names, one row per named control, in labels_<template>.inc.
constexpr LabelLink kStartPageLabels[] = {
#include "labels_111.inc"
};

constexpr LabelLink kCameraPageLabels[] = {
#include "labels_113.inc"
};

constexpr LabelLink kParamPageLabels[] = {
#include "labels_107.inc"
};

constexpr LabelLink kSendPageLabels[] = {
#include "labels_106.inc"
};

constexpr const char* kDialogFont = "MS Shell Dlg";
constexpr int kDialogFontPoints = 8;

constexpr DialogLayout Layout(int templateId, std::int16_t cx, std::int16_t cy, const char* title,
                              const ControlLayout* controls, int count) {
    return DialogLayout{templateId, cx, cy, title, kDialogFont, kDialogFontPoints, controls, count};
}

template <std::size_t N>
constexpr DialogLayout Named(DialogLayout layout, const LabelLink (&labels)[N]) {
    layout.labels = labels;
    layout.labelCount = static_cast<int>(N);
    return layout;
}

constexpr DialogLayout kLayouts[] = {
    Named(Layout(kTemplateStartPage, 257, 135, GBK("设置"), kStartPageControls,
                 static_cast<int>(std::size(kStartPageControls))),
          kStartPageLabels),
    Named(Layout(kTemplateCameraPage, 361, 425, GBK("相机设置"), kCameraPageControls,
                 static_cast<int>(std::size(kCameraPageControls))),
          kCameraPageLabels),
    Named(Layout(kTemplateParamPage, 292, 386, GBK("3G参数设置"), kParamPageControls,
                 static_cast<int>(std::size(kParamPageControls))),
          kParamPageLabels),
    Named(Layout(kTemplateSendPage, 292, 386, GBK("3G发送设置"), kSendPageControls,
                 static_cast<int>(std::size(kSendPageControls))),
          kSendPageLabels),
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

const LabelLink* FindLabelLink(const DialogLayout& layout, int id) {
    for (int i = 0; i < layout.labelCount; ++i)
        if (layout.labels[i].control == id) return &layout.labels[i];
    return nullptr;
}

}  // namespace trailcfg
