#include <algorithm>

#include "commands.h"
#include "explain.h"
#include "send/send_settings.h"

namespace trailcfg::cli {

namespace {

std::string Raw(FileKind kind, const FieldDesc& f, const std::uint8_t* plain) { return RawValue(kind, f, plain); }

std::string ValueInWords(FileKind kind, const FieldDesc& f, const std::uint8_t* plain) {
    const std::string raw = Raw(kind, f, plain);
    if (f.kind == FieldKind::Text) return raw;
    const std::string words = ExplainValue(kind, GuideOf(kind, f), f, plain, kLangEn);
    return words == raw ? raw : raw + " (" + words + ")";
}

// Bytes that belong to no named field: the reserved ones, and what lies
// after a text's terminator.
void DiffUnnamedBytes(FileKind kind, const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b,
                      Output& out, bool& differ) {
    std::vector<bool> named(a.size(), false);
    for (const FieldDesc& f : FieldsOf(kind)) {
        for (std::size_t i = f.offset; i < f.offset + f.width; ++i) named[i] = true;
        if (f.kind == FieldKind::Text && ReadFieldText(a.data(), f) == ReadFieldText(b.data(), f) &&
            !std::equal(a.begin() + f.offset, a.begin() + f.offset + f.width, b.begin() + f.offset)) {
            out << f.name << ": same text, different bytes after its end\n";
            differ = true;
        }
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (named[i] || a[i] == b[i]) continue;
        out << "reserved byte " << i << ": " << int{a[i]} << " -> " << int{b[i]} << "\n";
        differ = true;
    }
}

}  // namespace

int CmdDiff(const FilePath& fileA, const FilePath& fileB, Output& out, Output& err) {
    FileKind kindA, kindB;
    std::vector<std::uint8_t> a, b;
    std::string error;
    if (!ReadPlainImage(fileA, kindA, a, error) || !ReadPlainImage(fileB, kindB, b, error)) return Fail(err, error);
    if (kindA != kindB) {
        err << "trailcfg-cli: " << Shown(fileA) << " is a " << FileNameOf(kindA) << " and " << Shown(fileB) << " a "
            << FileNameOf(kindB) << "; only files of one kind compare\n";
        return kExitBadInput;
    }
    bool differ = false;
    for (const FieldDesc& f : FieldsOf(kindA)) {
        if (Raw(kindA, f, a.data()) == Raw(kindA, f, b.data())) continue;
        out << f.name << ": " << ValueInWords(kindA, f, a.data()) << " -> " << ValueInWords(kindA, f, b.data()) << "\n";
        differ = true;
    }
    if (kindA == FileKind::Cfg && (a[0] & IF_SEND_BY_APP_SET_FLG) != (b[0] & IF_SEND_BY_APP_SET_FLG)) {
        out << "sendByAppSetFlag: " << ((a[0] & IF_SEND_BY_APP_SET_FLG) ? "true" : "false") << " -> "
            << ((b[0] & IF_SEND_BY_APP_SET_FLG) ? "true" : "false") << "\n";
        differ = true;
    }
    DiffUnnamedBytes(kindA, a, b, out, differ);
    return differ ? 1 : 0;
}

}  // namespace trailcfg::cli
