// One row of a page's caption set: a control and its caption in both
// interface languages.
#pragma once

#include <span>

#include "common/text_pair.h"

namespace trailcfg {

struct Caption {
    int id;
    TextPair text;
};

// A control's caption from a page's table. Looked up at compile time, an id
// the table lacks stops the build at the throw: a label never goes missing.
constexpr TextPair CaptionOf(std::span<const Caption> table, int id) {
    for (const Caption& c : table)
        if (c.id == id) return c.text;
    throw "no caption for this control";
}

}  // namespace trailcfg
