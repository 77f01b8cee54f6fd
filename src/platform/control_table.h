// A page's controls as a backend keeps them: one row per control of the
// layout (a Bitmap row is none), in layout (and so tab) order, each a C that
// knows its `const ControlLayout* layout`, found by id.
#pragma once

#include <utility>
#include <vector>

#include "platform/layout.h"

namespace trailcfg {

// The limit of an edit whose page never set one (the Windows edit control's
// own default).
inline constexpr int kDefaultEditLimit = 32767;

inline bool IsEditKind(ControlKind kind) { return kind == ControlKind::Edit; }

inline bool IsListKind(ControlKind kind) {
    return kind == ControlKind::DropDownList || kind == ControlKind::DropDownCombo;
}

// What a user's click presses: push buttons and check boxes.
inline bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::DefaultButton || kind == ControlKind::CheckBox;
}

template <typename C>
class ControlTable {
public:
    ControlTable() = default;
    explicit ControlTable(std::vector<C> rows) : rows_(std::move(rows)) {}

    const C* Find(int id) const {
        for (const C& c : rows_)
            if (c.layout->id == id) return &c;
        return nullptr;
    }
    C* Find(int id) { return const_cast<C*>(std::as_const(*this).Find(id)); }

    // The control `id` when `kind` accepts its kind, else nullptr.
    const C* FindOf(int id, bool (*kind)(ControlKind)) const {
        const C* c = Find(id);
        return c && kind(c->layout->kind) ? c : nullptr;
    }
    C* FindOf(int id, bool (*kind)(ControlKind)) { return const_cast<C*>(std::as_const(*this).FindOf(id, kind)); }

    // The first control of `kind` (the default button Enter presses).
    const C* FirstOfKind(ControlKind kind) const {
        for (const C& c : rows_)
            if (c.layout->kind == kind) return &c;
        return nullptr;
    }

    // Filled once, while the page is made: a handler may hold a row while
    // the page calls it back, so the rows never move afterwards.
    std::vector<C>& Rows() { return rows_; }
    const std::vector<C>& Rows() const { return rows_; }

private:
    std::vector<C> rows_;
};

}  // namespace trailcfg
