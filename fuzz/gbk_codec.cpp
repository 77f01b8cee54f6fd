// GBK <-> UTF-8: every text of a file passes through here before it is shown
// or exported, and arbitrary bytes must come out as valid UTF-8.
#include <string>
#include <string_view>

#include "common/gbk_codec.h"
#include "fuzz_support.h"

using namespace trailcfg;

namespace {

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n;
        std::uint32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            n = 2, cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 3, cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 4, cp = c & 0x07;
        } else {
            return false;
        }
        if (s.size() - i < n) return false;
        for (std::size_t k = 1; k < n; ++k) {
            unsigned char t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return false;
        if (cp >= 0xD800 && cp <= 0xDFFF) return false;
        i += n;
    }
    return true;
}

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view in(reinterpret_cast<const char*>(data), size);

    // As a text from a file.
    const std::string utf8 = GbkToUtf8(in);
    FUZZ_CHECK(IsValidUtf8(utf8));
    if (IsAscii(in)) FUZZ_CHECK(utf8 == in);
    // What was shown goes back into the file as it came out.
    FUZZ_CHECK(GbkToUtf8(Utf8ToGbk(utf8)) == utf8);

    // As a text typed, pasted or given on a command line.
    const std::string gbk = Utf8ToGbk(in);
    if (IsAscii(in)) FUZZ_CHECK(gbk == in);
    FUZZ_CHECK(IsValidUtf8(GbkToUtf8(gbk)));
    return 0;
}
