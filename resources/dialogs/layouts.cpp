// The four page layouts. The rows live in dialog_<template>.inc, one control
// per line in creation order (which is also the tab order), so that a layout
// reads like the dialog it describes and stays free of code.
#include "platform/layout.h"

#include <iterator>

#include "common/gbk_literal.h"
#include "platform/control_ids.h"

namespace trailcfg {

// Screen-reader names: each page's table of links in labels_<template>.inc,
// read in the page's namespace of ids so that its rows name the controls as
// the page's code does.
namespace ids::start {
#include "labels_111.inc"
}  // namespace ids::start

namespace ids::camera {
#include "labels_113.inc"
}  // namespace ids::camera

namespace ids::param {
#include "labels_107.inc"
}  // namespace ids::param

namespace ids::send {
#include "labels_106.inc"
}  // namespace ids::send

namespace {

using enum ControlKind;

// A row's name is for the pages (platform/control_ids.h); the layout takes
// its number and place, and the name without its `k` for scenario files.
#define CONTROL(name, id, kind, x, y, cx, cy, style, text) {id, kind, x, y, cx, cy, style, text, 0, &#name[1]},
#define BITMAP(x, y, cx, cy, picture) {kNoControlId, Bitmap, x, y, cx, cy, 0, "", picture},

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

#undef CONTROL
#undef BITMAP

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
          ids::start::kLabelLinks),
    Named(Layout(kTemplateCameraPage, 361, 425, GBK("相机设置"), kCameraPageControls,
                 static_cast<int>(std::size(kCameraPageControls))),
          ids::camera::kLabelLinks),
    Named(Layout(kTemplateParamPage, 292, 386, GBK("3G参数设置"), kParamPageControls,
                 static_cast<int>(std::size(kParamPageControls))),
          ids::param::kLabelLinks),
    Named(Layout(kTemplateSendPage, 292, 386, GBK("3G发送设置"), kSendPageControls,
                 static_cast<int>(std::size(kSendPageControls))),
          ids::send::kLabelLinks),
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
