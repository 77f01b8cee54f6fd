#include "gbk_encoder.h"

#include <iconv.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "common/utf8.h"

namespace trailcfg {

namespace {

using Table = std::unordered_map<char32_t, std::uint16_t>;

// Every double-byte code the decoder knows, by the character it decodes to;
// where two codes decode alike the lower one is kept. All codes go through
// the decoder at once (the table is built when the program first encodes a
// character beyond ASCII, which a start in an ASCII folder never does): a
// code it refuses is stepped over and left out.
Table BuildTable() {
    Table table;
    iconv_t cd = iconv_open("UTF-32LE", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) return table;
    std::vector<std::uint16_t> codes;
    std::string in;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            codes.push_back(static_cast<std::uint16_t>((lead << 8) | trail));
            in += static_cast<char>(lead);
            in += static_cast<char>(trail);
        }
    }
    std::vector<unsigned char> out(codes.size() * 4);
    table.reserve(codes.size());
    char* src = in.data();
    std::size_t left = in.size();
    while (left > 0) {
        const std::size_t index = (in.size() - left) / 2;
        char* dst = reinterpret_cast<char*>(out.data());
        std::size_t room = out.size();
        const std::size_t r = iconv(cd, &src, &left, &dst, &room);
        // Each code read is one character written, in order.
        const std::size_t done = (out.size() - room) / 4;
        for (std::size_t k = 0; k < done; ++k) {
            const unsigned char* p = out.data() + 4 * k;
            const char32_t cp = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<char32_t>(p[3]) << 24);
            if (cp >= 0x80) table.emplace(cp, codes[index + k]);
        }
        if (r == static_cast<std::size_t>(-1) && left > 0) {
            src += 2;
            left -= 2;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
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
        const Table& table = EncoderTable();
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
