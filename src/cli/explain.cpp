#include "explain.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "common/gbk_codec.h"
#include "common/gbk_literal.h"
#include "send/operator_db.h"
#include "send/send_settings.h"
#include "texts/camera_page_texts.h"
#include "texts/param_page_texts.h"

namespace trailcfg::cli {

namespace {

// For what no list names.
constexpr TextPair kUnknown{{GBK("未知"), "unknown"}};
constexpr TextPair kCloudService{{GBK("云服务"), "Cloud service"}};
constexpr TextPair kNoDailySend{{GBK("无集中发送"), "no daily send"}};

constexpr std::size_t kCountryOffset = offsetof(SendSettings, byOperatorCountry);

std::string Item(const Items& items, std::int64_t index, int language) {
    return Utf8Of(items.At(static_cast<int>(index), language));
}

std::string ListValue(const FieldGuide& g, std::int64_t value, int language) {
    const std::int64_t index = value - g.first;
    if (index < 0 || index >= g.items.count) return UnknownValue(value, language);
    return Item(g.items, index, language);
}

std::string WithUnit(std::int64_t number, const TextPair& unit, int language) {
    return std::to_string(number) + " " + Utf8Of(unit[language]);
}

std::string CountryValue(std::int64_t country, int language) {
    if (country >= 0 && country < kCountryCount) return Utf8Of(CountryName(static_cast<int>(country), language));
    if (country == kManualCountry) return Utf8Of(param::kOperatorModeItems[language][1]);
    return UnknownValue(country, language);
}

std::string OperatorValue(std::int64_t op, const std::uint8_t* plain, int language) {
    const int country = plain[kCountryOffset];
    if (country == kManualCountry) return Utf8Of(ManualPlaceholder()[language]);
    if (country < kCountryCount && op >= 0 && op < OperatorCount(country, language))
        return Utf8Of(OperatorName(country, static_cast<int>(op), language));
    return UnknownValue(op, language);
}

}  // namespace

std::string UnknownValue(std::int64_t value, int language) {
    return Utf8Of(kUnknown[language]) + " (" + std::to_string(value) + ")";
}

std::string RawValue(FileKind kind, const FieldDesc& field, const std::uint8_t* plain) {
    if (field.kind == FieldKind::Text) return nlohmann::json(GbkToUtf8(ReadFieldText(plain, field))).dump();
    std::int64_t value = ReadFieldNumber(plain, field);
    if (kind == FileKind::Cfg && field.offset == 0) value &= ~IF_SEND_BY_APP_SET_FLG;
    return std::to_string(value);
}

std::string ExplainValue(FileKind kind, const FieldGuide& g, const FieldDesc& field, const std::uint8_t* plain,
                         int language) {
    if (field.kind == FieldKind::Text) return RawValue(kind, field, plain);
    std::int64_t value = ReadFieldNumber(plain, field);
    if (kind == FileKind::Cfg && field.offset == 0) value &= ~IF_SEND_BY_APP_SET_FLG;
    switch (g.how) {
        case Explain::Number:
        case Explain::Text:
            return std::to_string(value);
        case Explain::Hex: {
            char text[16];
            std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(value));
            return text;
        }
        case Explain::List:
            return ListValue(g, value, language);
        case Explain::SendOption:
            if (value == kSendByCloud) return Utf8Of(kCloudService[language]);
            return ListValue(g, value, language);
        case Explain::RemoteInterval:
            if (value == kRemoteIntervalOff) return Item(g.items, 0, language);
            if (value >= 0 && value < kRemoteIntervalOff) return Item(g.items, value + 1, language);
            return UnknownValue(value, language);
        case Explain::Country:
            return CountryValue(value, language);
        case Explain::Operator:
            return OperatorValue(value, plain, language);
        case Explain::DailyTime:
            if (value == 24) return Utf8Of(kNoDailySend[language]);
            if (value >= 0 && value < g.items.count) return Item(g.items, value, language);
            return UnknownValue(value, language);
        case Explain::Year2000:
            return std::to_string(2000 + value);
        case Explain::VideoLength:
            if (value >= 0 && value <= 59) return WithUnit(value + 1, kIntervalUnitItems[0], language);
            return UnknownValue(value, language);
        case Explain::Interval:
            if (value >= 0 && value < 60) return WithUnit(value, kIntervalUnitItems[0], language);
            if (value >= 60 && value < 120) return WithUnit(value - 59, kIntervalUnitItems[1], language);
            return UnknownValue(value, language);
    }
    return std::to_string(value);
}

std::string ItemsInWords(const FieldGuide& g, int language) {
    if (g.items.count == 0) return {};
    // Lists of plain numbers or characters say nothing their values do not.
    if (g.items.count > 16) return {};
    std::string words;
    for (int i = 0; i < g.items.count; ++i) {
        std::string item = Item(g.items, i, language);
        if (item == std::to_string(i + g.first)) return {};
        if (!words.empty()) words += ", ";
        const int value = g.how == Explain::RemoteInterval ? (i == 0 ? kRemoteIntervalOff : i - 1) : i + g.first;
        words += std::to_string(value) + " " + item;
    }
    return words;
}

}  // namespace trailcfg::cli
