#include "values.h"

#include <cstdio>

#include "common/gbk_codec.h"

namespace trailcfg::scenario {

bool ParseNumber(std::string_view word, std::int64_t& value) {
    bool negative = !word.empty() && word[0] == '-';
    if (negative) word.remove_prefix(1);
    int base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        if (negative) return false;
        base = 16;
        word.remove_prefix(2);
    }
    if (word.empty()) return false;
    std::int64_t v = 0;
    for (char c : word) {
        int d = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : 99;
        if (d >= base) return false;
        if (v > (INT64_MAX - d) / base) return false;
        v = v * base + d;
    }
    value = negative ? -v : v;
    return true;
}

std::string Quoted(std::string_view gbk) {
    std::string out = "\"";
    auto hex = [&out](unsigned char b) {
        char buf[5];
        std::snprintf(buf, sizeof buf, "\\x%02X", b);
        out += buf;
    };
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(gbk[i]);
        switch (c) {
            case '"':
                out += "\\\"";
                continue;
            case '\\':
                out += "\\\\";
                continue;
            case '\r':
                out += "\\r";
                continue;
            case '\n':
                out += "\\n";
                continue;
            case '\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
            continue;
        }
        if (c >= 0x81 && c <= 0xFE && i + 1 < gbk.size()) {
            std::string utf8 = GbkToUtf8(gbk.substr(i, 2));
            if (utf8 != "?") {
                out += utf8;
                ++i;
                continue;
            }
        }
        hex(c);
    }
    return out + "\"";
}

}  // namespace trailcfg::scenario
