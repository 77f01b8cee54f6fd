// The names screen readers say for the controls that carry no text of their
// own, made from the layout's label links and the texts the page shows now.
// Shared by the backends, which differ only in how they hand a name on.
#pragma once

#include <string>

#include "platform/layout.h"

namespace trailcfg {

// The texts of the link's parts, joined by blanks, then its suffix; GBK.
// `textOf(id)` gives a control's text as the page shows it (a list: its
// selected entry). Parts without text are left out.
template <typename TextOf>
std::string ControlName(const LabelLink& link, TextOf&& textOf) {
    std::string name;
    auto add = [&name](const std::string& text) {
        if (text.empty()) return;
        if (!name.empty()) name += ' ';
        name += text;
    };
    for (int part : link.parts)
        if (part != 0) add(textOf(part));
    add(link.suffix ? link.suffix : "");
    return name;
}

// True when control `id`'s text is part of some control's name: a change
// of it renames that control.
inline bool IsNamePart(const DialogLayout& layout, int id) {
    for (int i = 0; i < layout.labelCount; ++i)
        for (int part : layout.labels[i].parts)
            if (part == id) return true;
    return false;
}

// True when the name is the first part's text alone, so that a label placed
// right before the control (or a buddy) says all of it.
inline bool NamedByLabelAlone(const LabelLink& link) { return link.parts[1] == 0 && (!link.suffix || !*link.suffix); }

}  // namespace trailcfg
