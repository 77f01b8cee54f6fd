
#include "commands.h"
#include "field_values.h"
#include "produce.h"

namespace trailcfg::cli {

namespace {

// A menu.dat has no Generate checks; what can be wrong is a value that none
// of the page's lists holds (the page would show no selection and write 255).
bool CheckMenuValues(const std::vector<std::uint8_t>& plain, std::string& problem) {
    for (const FieldDesc& f : FieldsOf(FileKind::Menu)) {
        std::string why;
        if (!WithinGuide(FileKind::Menu, f, ReadFieldNumber(plain.data(), f), why)) {
            problem = std::string(f.name) + ": " + why;
            return false;
        }
    }
    return true;
}

}  // namespace

int CmdCheck(const FilePath& file, bool noCmd22, int language, Output& out, Output& err) {
    FileKind kind;
    std::vector<std::uint8_t> stored, base;
    std::vector<std::string> notes;
    std::string error;
    if (!ReadPlainImage(file, kind, stored, error) || !LoadBase(file, kind, base, notes, error))
        return Fail(err, error);
    if (kind == FileKind::Menu && !CheckMenuValues(base, error)) {
        out << error << "\n";
        return kExitRefused;
    }
    WriteOptions options;
    options.noCmd22 = noCmd22;
    options.stamp = false;
    options.language = language;
    // The settings as the program would load and generate them.
    Produced p = Produce(kind, base, {}, options);
    if (p.status != kExitOk) {
        out << p.message << "\n";
        return kExitRefused;
    }
    out << "ok\n";
    return kExitOk;
}

}  // namespace trailcfg::cli
