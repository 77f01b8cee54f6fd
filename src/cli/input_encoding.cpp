#include "input_encoding.h"

#include <cstdio>

#include "cli_common.h"

namespace trailcfg::cli {

namespace {

// "line L, column C" of a byte offset; columns count characters, as far as
// the text before the offset is UTF-8.
std::string Where(std::string_view text, std::size_t offset) {
    std::size_t line = 1, lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i)
        if (text[i] == '\n') ++line, lineStart = i + 1;
    std::size_t column = 1;
    char32_t cp;
    for (std::size_t i = lineStart; i < offset && NextCodePoint(text, i, cp);) ++column;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// UTF-16 after its byte-order mark, as UTF-8; false with the unit count
// where it breaks (an odd last byte, a lone surrogate).
bool Utf16ToUtf8(std::string_view bytes, bool bigEndian, std::string& out, std::size_t& brokenAt) {
    out.clear();
    const auto unit = [&](std::size_t k) -> char32_t {
        const auto hi = static_cast<unsigned char>(bytes[bigEndian ? k : k + 1]);
        const auto lo = static_cast<unsigned char>(bytes[bigEndian ? k + 1 : k]);
        return static_cast<char32_t>(hi << 8 | lo);
    };
    for (std::size_t k = 0; k < bytes.size(); k += 2) {
        brokenAt = k;
        if (k + 1 >= bytes.size()) return false;
        char32_t cp = unit(k);
        if (cp >= 0xDC00 && cp <= 0xDFFF) return false;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (k + 3 >= bytes.size()) return false;
            const char32_t low = unit(k + 2);
            if (low < 0xDC00 || low > 0xDFFF) return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            k += 2;
        }
        AppendUtf8(out, cp);
    }
    return true;
}

}  // namespace

bool DecodeInput(std::string& text, std::string_view saveAs, std::string& error) {
    const std::string_view view(text);
    const std::string hint = "; save it as \"" + std::string(saveAs) + "\"";
    if (view.substr(0, 2) == "\xFF\xFE" || view.substr(0, 2) == "\xFE\xFF") {
        const bool bigEndian = view[0] == '\xFE';
        std::string utf8;
        std::size_t brokenAt = 0;
        if (!Utf16ToUtf8(view.substr(2), bigEndian, utf8, brokenAt)) {
            std::string decoded;
            std::size_t ignored;
            Utf16ToUtf8(view.substr(2, brokenAt), bigEndian, decoded, ignored);
            error = Where(decoded, decoded.size()) + ": broken UTF-16" + std::string(bigEndian ? " BE" : " LE") +
                    " (a lone surrogate or an odd last byte)" + hint;
            return false;
        }
        text = std::move(utf8);  // still to be checked for NUL characters
    } else if (view.substr(0, 3) == "\xEF\xBB\xBF") {
        text.erase(0, 3);
    }
    char32_t cp;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        if (!NextCodePoint(text, i, cp)) {
            char byte[8];
            std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(text[start]));
            error = Where(text, start) + ": not UTF-8 (byte " + byte + ")" + hint;
            return false;
        }
        // UTF-16 without its mark reads as text full of NUL characters; no
        // table or JSON holds one otherwise.
        if (cp == 0) {
            error = Where(text, start) + ": a NUL character, as in UTF-16 without a byte-order mark" + hint;
            return false;
        }
    }
    return true;
}

bool ReadUtf8Input(const std::string& name, std::size_t maxBytes, std::string_view saveAs, std::string& text,
                   std::string& error) {
    if (!ReadInputText(name, maxBytes, text, error)) return false;
    if (DecodeInput(text, saveAs, error)) return true;
    error = (name == "-" ? std::string("standard input") : name) + ": " + error;
    return false;
}

}  // namespace trailcfg::cli
