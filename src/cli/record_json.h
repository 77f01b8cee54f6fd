// A record's plain image as the flat JSON object `export` prints: the field
// tables' names as keys, numbers as numbers, texts as UTF-8 strings.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>

#include "cli_common.h"

namespace trailcfg::cli {

using Json = nlohmann::ordered_json;

Json RecordToJson(FileKind kind, const std::uint8_t* plain);

}  // namespace trailcfg::cli
