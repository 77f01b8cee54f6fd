#include "qt_system_language.h"

namespace trailcfg::qt {

namespace {

constexpr std::uint16_t kEnglishUs = 0x0409;

constexpr std::uint16_t MakeLangId(std::uint16_t primary, std::uint16_t sub) {
    return static_cast<std::uint16_t>((sub << 10) | primary);
}

struct RegionalId {
    QLocale::Territory territory;
    std::uint16_t langId;
};

constexpr RegionalId kChinese[] = {
    {QLocale::China, 0x0804},     {QLocale::Taiwan, 0x0404}, {QLocale::HongKong, 0x0C04},
    {QLocale::Singapore, 0x1004}, {QLocale::Macao, 0x1404},
};

constexpr RegionalId kEnglish[] = {
    {QLocale::UnitedStates, 0x0409}, {QLocale::UnitedKingdom, 0x0809}, {QLocale::Australia, 0x0C09},
    {QLocale::Canada, 0x1009},       {QLocale::NewZealand, 0x1409},    {QLocale::Ireland, 0x1809},
    {QLocale::SouthAfrica, 0x1C09},  {QLocale::India, 0x4009},
};

struct PrimaryId {
    QLocale::Language language;
    std::uint16_t primary;
};

constexpr PrimaryId kPrimary[] = {
    {QLocale::Arabic, 0x01},    {QLocale::Bulgarian, 0x02},  {QLocale::Catalan, 0x03},
    {QLocale::Czech, 0x05},     {QLocale::Danish, 0x06},     {QLocale::German, 0x07},
    {QLocale::Greek, 0x08},     {QLocale::Spanish, 0x0A},    {QLocale::Finnish, 0x0B},
    {QLocale::French, 0x0C},    {QLocale::Hebrew, 0x0D},     {QLocale::Hungarian, 0x0E},
    {QLocale::Icelandic, 0x0F}, {QLocale::Italian, 0x10},    {QLocale::Japanese, 0x11},
    {QLocale::Korean, 0x12},    {QLocale::Dutch, 0x13},      {QLocale::NorwegianBokmal, 0x14},
    {QLocale::Polish, 0x15},    {QLocale::Portuguese, 0x16}, {QLocale::Romanian, 0x18},
    {QLocale::Russian, 0x19},   {QLocale::Croatian, 0x1A},   {QLocale::Slovak, 0x1B},
    {QLocale::Albanian, 0x1C},  {QLocale::Swedish, 0x1D},    {QLocale::Thai, 0x1E},
    {QLocale::Turkish, 0x1F},   {QLocale::Urdu, 0x20},       {QLocale::Indonesian, 0x21},
    {QLocale::Ukrainian, 0x22}, {QLocale::Belarusian, 0x23}, {QLocale::Slovenian, 0x24},
    {QLocale::Estonian, 0x25},  {QLocale::Latvian, 0x26},    {QLocale::Lithuanian, 0x27},
    {QLocale::Persian, 0x29},   {QLocale::Vietnamese, 0x2A}, {QLocale::Hindi, 0x39},
    {QLocale::Malay, 0x3E},
};

template <std::size_t N>
std::uint16_t ByRegion(const RegionalId (&table)[N], QLocale::Territory territory, std::uint16_t otherwise) {
    for (const RegionalId& entry : table)
        if (entry.territory == territory) return entry.langId;
    return otherwise;
}

}  // namespace

std::uint16_t LanguageIdFor(const QLocale& locale) {
    switch (locale.language()) {
        case QLocale::Chinese: {
            const std::uint16_t byScript = locale.script() == QLocale::TraditionalChineseScript ? 0x0404 : 0x0804;
            return ByRegion(kChinese, locale.territory(), byScript);
        }
        case QLocale::English:
            return ByRegion(kEnglish, locale.territory(), kEnglishUs);
        default:
            break;
    }
    for (const PrimaryId& entry : kPrimary)
        if (entry.language == locale.language()) return MakeLangId(entry.primary, 1);
    return kEnglishUs;
}

}  // namespace trailcfg::qt
