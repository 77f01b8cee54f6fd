// The system's default language as a Windows language identifier (LANGID),
// which is what the pages compare against.
//
// The session's locale (QLocale::system(): LC_ALL, then LC_MESSAGES, then
// LANG) stands for the Windows system locale. Chinese maps by region as
// Windows does: China 0x0804, Taiwan 0x0404, Hong Kong 0x0C04, Singapore
// 0x1004, Macau 0x1404; Chinese without a region goes by script
// (Simplified 0x0804, Traditional 0x0404). English maps by region (US
// 0x0409, UK 0x0809, ...). Other common languages get their primary
// language with the default sublanguage (German 0x0407, French 0x040C,
// ...). The C/POSIX locale and anything unknown give English (US), 0x0409.
#pragma once

#include <QLocale>
#include <cstdint>

namespace trailcfg::qt {

std::uint16_t LanguageIdFor(const QLocale& locale);

}  // namespace trailcfg::qt
