#include "produce.h"

namespace trailcfg::cli {

Produced Produce(FileKind kind, const std::vector<std::uint8_t>& base, const FieldValues& given,
                 const WriteOptions& options, std::string_view joint) {
    Produced p;
    const BuildOptions build{options.stamp, options.noCmd22, options.now};
    std::string error;
    if (!BuildRecord(kind, base, given, build, p.result, error)) {
        p.status = kExitBadInput;
        p.message = error;
    } else if (p.result.refusal) {
        p.status = kExitRefused;
        p.message = RefusalText(*p.result.refusal, options.language, joint);
    }
    return p;
}

std::string RefusalText(GenerateMessage message, int language, std::string_view joint) {
    std::string text = TerminalLines(Utf8Of(GenerateMessageText(message)[language]), joint);
    const std::string fields = GenerateMessageFields(message);
    if (!fields.empty()) text += " (" + fields + ")";
    return text;
}

void PrintNotes(Output& err, const std::vector<std::string>& notes, const std::string& prefix) {
    for (const std::string& note : notes) err << "trailcfg-cli: " << prefix << "note: " << note << "\n";
}

}  // namespace trailcfg::cli
