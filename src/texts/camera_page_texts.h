// The Camera Setup page's texts: the captions that follow the interface
// language, the items of its lists, and its two messages.
#pragma once

#include <array>
#include <span>

#include "common/gbk_literal.h"
#include "common/text_pair.h"
#include "platform/control_ids.h"
#include "texts/caption.h"

namespace trailcfg {

// Labels, then the captioned boxes, then the buttons. The "/" and ":"
// separators read the same in both languages and keep their template text.
inline constexpr Caption kCameraPageCaptions[] = {
    {ids::camera::kModeLabel, {{GBK("模式"), "Mode"}}},
    {ids::camera::kImageSizeLabel, {{GBK("图像尺寸"), "Image Size"}}},
    {ids::camera::kVideoSizeLabel, {{GBK("录像尺寸"), "Video Size"}}},
    {ids::camera::kPictureNumberLabel, {{GBK("拍摄张数"), "Picture Number"}}},
    {ids::camera::kTimeStampLabel, {{GBK("时间戳"), "Time Stamp"}}},
    {ids::camera::kSenseLevelLabel, {{GBK("灵敏度"), "Sense Level"}}},
    {ids::camera::kSidePirLabel, {{GBK("侧面PIR"), "Side PIR"}}},
    {ids::camera::kVideoLengthLabel, {{GBK("录像长度"), "Video Length"}}},
    {ids::camera::kVideoLengthUnitLabel, {{GBK("秒钟"), "Sec"}}},
    {ids::camera::kIntervalLabel, {{GBK("间隔时间"), "Interval"}}},
    {ids::camera::kDateFormatLabel, {{GBK("日期格式"), "Date Format"}}},
    {ids::camera::kBeepSoundLabel, {{GBK("按键音"), "Beep Sound"}}},
    {ids::camera::kSdCycleLabel, {{GBK("循环存储"), "SD Cycle"}}},
    {ids::camera::kLanguageLabel, {{GBK("语言"), "Language"}}},
    {ids::camera::kClockLabel, {{GBK("设置时间"), "Set Clock"}}},
    {ids::camera::kTimer1Label, {{GBK("定时设置1"), "Timer1"}}},
    {ids::camera::kTimer1StartHourHead, {{GBK("小时"), "Hour"}}},
    {ids::camera::kTimer1StartMinHead, {{GBK("分钟"), "Min"}}},
    {ids::camera::kTimer1EndHourHead, {{GBK("小时"), "Hour"}}},
    {ids::camera::kTimer1EndMinHead, {{GBK("分钟"), "Min"}}},
    {ids::camera::kTimer2Label, {{GBK("定时设置2"), "Timer2"}}},
    {ids::camera::kTimer2StartHourHead, {{GBK("小时"), "Hour"}}},
    {ids::camera::kTimer2StartMinHead, {{GBK("分钟"), "Min"}}},
    {ids::camera::kTimer2EndHourHead, {{GBK("小时"), "Hour"}}},
    {ids::camera::kTimer2EndMinHead, {{GBK("分钟"), "Min"}}},
    {ids::camera::kSerialLabel, {{GBK("序列号"), "Serial Number"}}},
    {ids::camera::kTimeLapseLabel, {{GBK("定时拍摄"), "Time Lapse"}}},
    {ids::camera::kTimeLapseHourHead, {{GBK("小时"), "Hour"}}},
    {ids::camera::kTimeLapseMinHead, {{GBK("分钟"), "Min"}}},
    {ids::camera::kTimeLapseSecHead, {{GBK("秒钟"), "Sec"}}},
    {ids::camera::kTimer1StartFrame, {{GBK("开始"), "Start"}}},
    {ids::camera::kTimer1EndFrame, {{GBK("结束"), "End"}}},
    {ids::camera::kTimer2StartFrame, {{GBK("开始"), "Start"}}},
    {ids::camera::kTimer2EndFrame, {{GBK("结束"), "End"}}},
    {ids::camera::kSavePathFrame, {{GBK("保存路径"), "Save Path"}}},
    {ids::camera::kBrowseButton, {{GBK("浏览"), "Browse"}}},
    {ids::camera::kDefaultButton, {{GBK("出厂设置"), "Default"}}},
    {ids::camera::kGenerateButton, {{GBK("生成配置"), "Generate"}}},
};

// An item that reads the same in both languages.
constexpr TextPair SameText(const char* text) { return TextPair{{text, text}}; }

inline constexpr TextPair kCapModeItems[] = {
    {{GBK("拍照"), "Camera"}}, {{GBK("录像"), "Video"}}, {{GBK("拍照+录像"), "Camera+Video"}}};
inline constexpr TextPair kImgSizeItems[] = {SameText("12 MP"), SameText("5 MP"), SameText("2 MP")};
inline constexpr TextPair kVideoSizeItems[] = {SameText("1440x1080"), SameText("720P"), SameText("VGA")};
inline constexpr TextPair kPicNumItems[] = {
    {{GBK("01 张"), "01 Photo"}}, {{GBK("02 张"), "02 Photos"}}, {{GBK("03 张"), "03 Photos"}}};
inline constexpr TextPair kSenseLevelItems[] = {
    {{GBK("正常"), "Normal"}}, {{GBK("高"), "High"}}, {{GBK("低"), "Low"}}, {{GBK("关闭"), "Off"}}};
inline constexpr TextPair kDateFormatItems[] = {
    {{GBK("年月日"), "YYMMDD"}}, {{GBK("日月年"), "DDMMYY"}}, {{GBK("月日年"), "MMDDYY"}}};
inline constexpr TextPair kLanguageItems[] = {
    {{GBK("简体中文"), "Chinese"}},   {{GBK("英语"), "English"}},           {{GBK("德语"), "German"}},
    {{GBK("芬兰语"), "Finnish"}},     {{GBK("意大利语"), "Italian"}},       {{GBK("法语"), "French"}},
    {{GBK("匈牙利语"), "Hungarian"}}, {{GBK("斯洛文尼亚语"), "Slovenian"}}, {{GBK("捷克语"), "Czech"}},
    {{GBK("日语"), "Japanese"}},      {{GBK("丹麦语"), "Danish"}},          {{GBK("荷兰语"), "Dutch"}},
    {{GBK("俄语"), "Russian"}},       {{GBK("波兰语"), "Polish"}},
};
inline constexpr TextPair kClockModeItems[] = {
    {{GBK("自动获取"), "Auto"}}, {{GBK("手动输入"), "Input"}}, {{GBK("关闭"), "Off"}}};
inline constexpr TextPair kIntervalUnitItems[] = {{{GBK("秒钟"), "Sec"}}, {{GBK("分钟"), "Min"}}};

// Two orders of the same switch: most settings put Off first, the time stamp
// and the time lapse put On first. The camera reads the position.
inline constexpr TextPair kOffOnItems[] = {{{GBK("关"), "Off"}}, {{GBK("开"), "On"}}};
inline constexpr TextPair kOnOffItems[] = {{{GBK("开"), "On"}}, {{GBK("关"), "Off"}}};

namespace camera_texts_detail {

inline constexpr int kLargestNumber = 60;
inline constexpr char kSerialAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr int kSerialChars = sizeof kSerialAlphabet - 1;

struct NumberTexts {
    char text[kLargestNumber + 1][3];
};

constexpr NumberTexts MakeNumberTexts() {
    NumberTexts n{};
    for (int i = 0; i <= kLargestNumber; ++i) {
        int k = 0;
        if (i >= 10) n.text[i][k++] = static_cast<char>('0' + i / 10);
        n.text[i][k] = static_cast<char>('0' + i % 10);
    }
    return n;
}

struct CharTexts {
    char text[kSerialChars][2];
};

constexpr CharTexts MakeCharTexts() {
    CharTexts c{};
    for (int i = 0; i < kSerialChars; ++i) c.text[i][0] = kSerialAlphabet[i];
    return c;
}

inline constexpr NumberTexts kNumberTexts = MakeNumberTexts();
inline constexpr CharTexts kCharTexts = MakeCharTexts();

template <std::size_t N, std::size_t W>
constexpr std::array<TextPair, N> SameTexts(const char (&texts)[N][W]) {
    std::array<TextPair, N> items{};
    for (std::size_t i = 0; i < N; ++i) items[i] = SameText(texts[i]);
    return items;
}

}  // namespace camera_texts_detail

// "0" to "60" in plain decimal; the number lists take their ranges from it.
inline constexpr std::array<TextPair, 61> kNumberItems =
    camera_texts_detail::SameTexts(camera_texts_detail::kNumberTexts.text);
// "0" to "9", then "A" to "Z": a serial-number character is its position here.
inline constexpr std::array<TextPair, 36> kSerialCharItems =
    camera_texts_detail::SameTexts(camera_texts_detail::kCharTexts.text);

inline constexpr std::span<const TextPair> kHourItems = std::span(kNumberItems).first(24);             // 0..23
inline constexpr std::span<const TextPair> kMinuteItems = std::span(kNumberItems).first(60);           // 0..59
inline constexpr std::span<const TextPair> kOneToSixtyItems = std::span(kNumberItems).subspan(1, 60);  // 1..60

inline constexpr TextPair kTextGenerateDone{{GBK("成功生成配置文件!"), "Generate Success!"}};
inline constexpr TextPair kTextDefaultDone{
    {GBK("出厂设置完成，成功生成配置文件!"), "Default setting and generate success!"}};

}  // namespace trailcfg
