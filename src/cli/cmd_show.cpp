
#include "commands.h"
#include "common/gbk_literal.h"
#include "explain.h"
#include "send/send_settings.h"

namespace trailcfg::cli {

namespace {

constexpr TextPair kWrittenByProgram{{GBK("由本程序生成"), "Written by this program"}};
constexpr TextPair kYesNo[2] = {{{GBK("否"), "no"}}, {{GBK("是"), "yes"}}};

}  // namespace

int CmdShow(const FilePath& file, int language, Output& out, Output& err) {
    FileKind kind;
    std::vector<std::uint8_t> plain;
    std::string error;
    if (!ReadPlainImage(file, kind, plain, error)) return Fail(err, error);
    out << Shown(file) << ": " << FileNameOf(kind) << "\n";
    for (const FieldDesc& f : FieldsOf(kind)) {
        const FieldGuide& g = GuideOf(kind, f);
        out << LabelOf(g, language) << ": " << ExplainValue(kind, g, f, plain.data(), language);
        if (f.kind == FieldKind::Text)
            out << "  [" << f.name << "]\n";
        else
            out << "  [" << f.name << " = " << RawValue(kind, f, plain.data()) << "]\n";
    }
    if (kind == FileKind::Cfg) {
        const bool flag = (plain[0] & IF_SEND_BY_APP_SET_FLG) != 0;
        out << Utf8Of(kWrittenByProgram[language]) << ": " << Utf8Of(kYesNo[flag ? 1 : 0][language])
            << "  [sendByAppSetFlag = " << (flag ? "true" : "false") << "]\n";
    }
    return kExitOk;
}

}  // namespace trailcfg::cli
