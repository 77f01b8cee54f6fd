// GBK <-> UTF-8: every text of a file passes through here before it is shown
// or exported, and arbitrary bytes must come out as valid UTF-8; the browser
// edition's table must agree with iconv on all of it.
#include <string>
#include <string_view>

#include "common/gbk_codec.h"
#include "common/gbk_codes.h"
#include "common/utf8.h"
#include "fuzz_support.h"

using namespace trailcfg;

namespace {

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

    // The browser edition's own table converts as iconv does, both ways.
    FUZZ_CHECK(GbkToUtf8ByCodeTable(in) == utf8);
    FUZZ_CHECK(Utf8ToGbkByCodeTable(in) == gbk);
    return 0;
}
