
#include "commands.h"
#include "input_encoding.h"
#include "json_input.h"
#include "produce.h"
#include "verified_write.h"

namespace trailcfg::cli {

namespace {

constexpr std::size_t kMaxJsonBytes = 16u << 20;

}  // namespace

int CmdImport(const ImportOptions& options, Output& out, Output& err) {
    std::string text, error;
    if (!ReadUtf8Input(options.json, kMaxJsonBytes, "UTF-8", text, error)) return Fail(err, error);
    const std::string source = options.json == "-" ? "standard input" : options.json;
    JsonFields fields;
    if (!ParseJsonFields(text, fields, error)) return Fail(err, source + ": " + error);
    if (fields.hasCfg && fields.hasMenu)
        return Fail(err, source + ": holds fields of both CFG.BIN and menu.dat; import one file at a time");

    if (!IsFolder(options.dir)) return Fail(err, Shown(options.dir) + ": no such folder");
    // Before the base is read: it may be the very file this replaces.
    const CardLock lock((options.dir / FileNameOf(FileKind::Cfg)).native());
    if (!CardFree(lock, options.dir, options.write.language, error)) return Fail(err, error);

    std::vector<std::uint8_t> base;
    std::vector<std::string> notes;
    FileKind kind = fields.hasMenu ? FileKind::Menu : FileKind::Cfg;
    if (options.base) {
        FileKind baseKind;
        std::vector<std::uint8_t> stored;
        if (!ReadPlainImage(*options.base, baseKind, stored, error)) return Fail(err, error);
        if ((fields.hasCfg || fields.hasMenu) && baseKind != kind)
            return Fail(err, source + ": holds " + FileNameOf(kind) + " fields, but the base " + Shown(*options.base) +
                                 " is a " + FileNameOf(baseKind));
        kind = baseKind;
        if (!LoadBase(*options.base, kind, base, notes, error)) return Fail(err, error);
    } else {
        if (!fields.hasCfg && !fields.hasMenu)
            return Fail(err, source + ": names no field, so it says neither CFG.BIN nor menu.dat (give --base)");
        base = DefaultRecord(kind);
    }
    PrintNotes(err, notes);

    Produced p = Produce(kind, base, fields.values, options.write);
    if (p.status == kExitBadInput) return Fail(err, source + ": " + p.message);
    PrintNotes(err, p.result.notes);
    if (p.status == kExitRefused) {
        err << p.message << "\n";
        return kExitRefused;
    }
    const FilePath target = options.dir / FileNameOf(kind);
    if (!WriteVerified(lock, target, kind, p.result.plain, error)) return Fail(err, error);
    out << "wrote " << Shown(target) << "\n";
    return kExitOk;
}

}  // namespace trailcfg::cli
