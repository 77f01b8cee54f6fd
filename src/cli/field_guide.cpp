#include "field_guide.h"

#include "binding/menu_bindings.h"
#include "binding/send_bindings.h"

namespace trailcfg::cli {

std::span<const FieldGuide> Guides(FileKind kind) {
    if (kind == FileKind::Cfg) return kSendBindings;
    return kMenuBindings;
}

const FieldGuide& GuideOf(FileKind kind, const FieldDesc& field) {
    return Guides(kind)[static_cast<std::size_t>(&field - FieldsOf(kind).fields)];
}

std::string LabelOf(const FieldGuide& guide, int language) {
    std::string label;
    for (const TextPair& part : guide.label) {
        if (!part[language]) continue;
        const std::string text = Utf8Of(part[language]);
        // "Max Sent Num" and "/Day" read as one.
        if (!label.empty() && text.front() != '/') label += " / ";
        label += text;
    }
    return label;
}

}  // namespace trailcfg::cli
