// A field's value in words, in the program's own texts where it has them.
#pragma once

#include <cstdint>
#include <string>

#include "field_guide.h"

namespace trailcfg::cli {

// The value of `field` in the plain record, explained in `language` (UTF-8):
// "MMS", "10 Minutes", "China Unicom", "1 Min", "\"a@b.c\"". A value no
// item stands for reads "unknown (7)".
std::string ExplainValue(FileKind kind, const FieldGuide& guide, const FieldDesc& field, const std::uint8_t* plain,
                         int language);

// The value as stored, as export prints it: a number (bySendBy without the
// file's flag bit), or the text as a JSON string.
std::string RawValue(FileKind kind, const FieldDesc& field, const std::uint8_t* plain);

// "unknown (7)" in `language`.
std::string UnknownValue(std::int64_t value, int language);

// Each value's item, "0 Close 3G, 1 MMS, ..."; empty for lists of numbers.
std::string ItemsInWords(const FieldGuide& guide, int language);

}  // namespace trailcfg::cli
