#include "gbk_encoder.h"

#include <iconv.h>

#include <cstdint>
#include <unordered_map>

#include "common/utf8.h"

namespace trailcfg {

namespace {

using Table = std::unordered_map<char32_t, std::uint16_t>;

// Every double-byte code the decoder knows, by the character it decodes to;
// where two codes decode alike the lower one is kept.
Table BuildTable() {
    Table table;
    iconv_t cd = iconv_open("UTF-32LE", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) return table;
    table.reserve(24000);
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            unsigned char out[8] = {};
            char* src = in;
            char* dst = reinterpret_cast<char*>(out);
            std::size_t left = sizeof in;
            std::size_t room = sizeof out;
            if (iconv(cd, &src, &left, &dst, &room) == static_cast<std::size_t>(-1) || room != 4) {
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                continue;
            }
            const char32_t cp = out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
            if (cp >= 0x80) table.emplace(cp, static_cast<std::uint16_t>((lead << 8) | trail));
        }
    }
    iconv_close(cd);
    return table;
}

const Table& EncoderTable() {
    static const Table table = BuildTable();
    return table;
}

}  // namespace

std::string Utf8ToGbkByDecoderTable(std::string_view utf8) {
    const Table& table = EncoderTable();
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
        const auto found = table.find(cp);
        if (found == table.end()) {
            out += '?';
            continue;
        }
        out += static_cast<char>(found->second >> 8);
        out += static_cast<char>(found->second & 0xFF);
    }
    return out;
}

}  // namespace trailcfg
