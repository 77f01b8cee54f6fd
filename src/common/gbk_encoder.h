// UTF-8 to GBK for a C library whose iconv decodes GBK but cannot encode it
// (musl's, in the browser edition's Emscripten build): the encoder is the
// decoder's table turned round, so both directions agree as they do with a
// full iconv.
#pragma once

#include <string>
#include <string_view>

namespace trailcfg {

// As Utf8ToGbk: a character GBK cannot hold becomes "?", and so does each
// broken UTF-8 sequence (BrokenSequenceLength bytes of it).
std::string Utf8ToGbkByDecoderTable(std::string_view utf8);

}  // namespace trailcfg
