#include "win32_names.h"

#include <set>

#include "platform/control_names.h"

namespace trailcfg::win32 {

namespace {

int IndexOf(const DialogLayout& layout, int id) {
    for (int i = 0; i < layout.controlCount; ++i)
        if (layout.controls[i].id == id) return i;
    return -1;
}

bool IsLabel(const DialogLayout& layout, int id) {
    const ControlLayout* c = id ? FindControl(layout, id) : nullptr;
    return c && c->kind == ControlKind::Label;
}

// The label that says most about a control of a row with several: its
// column head, the last label of its name ("Hour" of "Timer1 Start Hour").
int MostSpecificLabel(const DialogLayout& layout, const LabelLink& link) {
    int label = 0;
    for (int part : link.parts)
        if (IsLabel(layout, part)) label = part;
    return label;
}

void PlaceBefore(HWND dialog, int labelId, int controlId) {
    HWND label = GetDlgItem(dialog, labelId);
    HWND control = GetDlgItem(dialog, controlId);
    if (!label || !control) return;
    HWND before = GetWindow(control, GW_HWNDPREV);
    if (before == label) return;
    SetWindowPos(label, before ? before : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
}

}  // namespace

void OrderLabels(HWND dialog, const DialogLayout& layout) {
    std::set<int> placed;
    // A label that names a control alone goes before it; the first such
    // control gets it.
    for (int i = 0; i < layout.labelCount; ++i) {
        const LabelLink& link = layout.labels[i];
        if (!NamedByLabelAlone(link) || !IsLabel(layout, link.parts[0])) continue;
        if (placed.insert(link.parts[0]).second) PlaceBefore(dialog, link.parts[0], link.control);
    }
    // A column head goes before the nearest control below or after it that
    // it is part of the name of, so each of a row's time lists is said with
    // its own column rather than the head of the column before.
    for (int i = 0; i < layout.labelCount; ++i) {
        const LabelLink& link = layout.labels[i];
        const int label = MostSpecificLabel(layout, link);
        if (NamedByLabelAlone(link) || !label || placed.count(label)) continue;
        const int from = IndexOf(layout, label);
        int best = -1;
        int bestDistance = 0;
        for (int j = 0; j < layout.labelCount; ++j) {
            const LabelLink& other = layout.labels[j];
            if (NamedByLabelAlone(other) || MostSpecificLabel(layout, other) != label) continue;
            const int distance = IndexOf(layout, other.control) - from;
            if (distance > 0 && (best < 0 || distance < bestDistance)) {
                best = other.control;
                bestDistance = distance;
            }
        }
        placed.insert(label);
        if (best >= 0) PlaceBefore(dialog, label, best);
    }
}

}  // namespace trailcfg::win32
