#include "gbk_codes.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "common/utf8.h"

namespace trailcfg {

namespace {

constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40, kLastTrail = 0xFE, kNotTrail = 0x7F;
constexpr std::size_t kTrails = kLastTrail - kFirstTrail;  // less 0x7F

// A row longer than its trails stops the build; a shorter one would leave
// its last codes without a character, which the test of every code against
// iconv finds.
constexpr char16_t kCodes[kLastLead - kFirstLead + 1][kTrails + 1] = {
#include "gbk_codes.inc"
};

// The one single-byte character above ASCII, the euro sign, as glibc's GBK
// and code page 936 have it.
constexpr unsigned char kEuroByte = 0x80;
constexpr char16_t kEuro = 0x20AC;

// The character of the code lead/trail, or 0 where the bytes are no code.
char16_t CharacterOf(unsigned lead, unsigned trail) {
    if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail || trail == kNotTrail)
        return 0;
    return kCodes[lead - kFirstLead][trail - kFirstTrail - (trail > kNotTrail ? 1 : 0)];
}

// {character, code}, sorted; where two codes read alike (U+3000) the lower
// one is kept. Made when the program first encodes a character beyond
// ASCII.
const std::vector<std::pair<char16_t, std::uint16_t>>& EncoderTable() {
    static const auto table = [] {
        std::vector<std::pair<char16_t, std::uint16_t>> codes;
        codes.reserve(kTrails * (kLastLead - kFirstLead + 1) + 1);
        codes.emplace_back(kEuro, kEuroByte);
        for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
            for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
                const char16_t c = CharacterOf(lead, trail);
                if (c != 0) codes.emplace_back(c, static_cast<std::uint16_t>((lead << 8) | trail));
            }
        }
        std::stable_sort(codes.begin(), codes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        return codes;
    }();
    return table;
}

}  // namespace

std::string GbkToUtf8ByCodeTable(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size() * 3 / 2 + 4);
    for (std::size_t i = 0; i < gbk.size();) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
        } else if (lead == kEuroByte) {
            AppendUtf8(out, kEuro);
            ++i;
        } else if (const char16_t c =
                       i + 1 < gbk.size() ? CharacterOf(lead, static_cast<unsigned char>(gbk[i + 1])) : 0) {
            AppendUtf8(out, c);
            i += 2;
        } else {
            out += '?';
            ++i;
        }
    }
    return out;
}

std::string Utf8ToGbkByCodeTable(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        if (!NextCodePoint(utf8, i, cp)) {
            i += BrokenSequenceLength(utf8.substr(i));
            out += '?';
            continue;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        const auto& table = EncoderTable();
        const auto found = std::lower_bound(table.begin(), table.end(), cp,
                                            [](const auto& entry, char32_t c) { return entry.first < c; });
        if (found == table.end() || found->first != cp) {
            out += '?';
            continue;
        }
        if (found->second > 0xFF) out += static_cast<char>(found->second >> 8);
        out += static_cast<char>(found->second & 0xFF);
    }
    return out;
}

}  // namespace trailcfg
