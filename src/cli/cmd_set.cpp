#include <set>

#include "commands.h"
#include "produce.h"
#include "verified_write.h"

namespace trailcfg::cli {

namespace {

// "FIELD=VALUE": the value is everything after the first "=", so texts may
// hold one; an empty value empties a text.
bool ParseAssignment(FileKind kind, const std::string& assignment, FieldValue& value, std::string& error) {
    const std::size_t eq = assignment.find('=');
    if (eq == std::string::npos) {
        error = assignment + ": FIELD=VALUE is needed";
        return false;
    }
    const std::string name = assignment.substr(0, eq);
    const FieldDesc* field;
    if (!FindFieldOf(kind, name, field, error)) return false;
    std::string why;
    if (!ValueFromText(kind, *field, std::string_view(assignment).substr(eq + 1), value, why)) {
        error = name + ": " + why;
        return false;
    }
    return true;
}

}  // namespace

int CmdSet(const FilePath& file, const std::vector<std::string>& assignments, const WriteOptions& options, Output& out,
           Output& err) {
    // Read inside the lock: a change another writer makes between this read
    // and the write would be lost.
    std::string error;
    const CardLock lock(file.native());
    if (!CardFree(lock, file, options.language, error)) return Fail(err, error);
    FileKind kind;
    std::vector<std::uint8_t> stored;
    if (!ReadPlainImage(file, kind, stored, error)) return Fail(err, error);

    FieldValues given;
    std::set<std::string> names;
    for (const std::string& assignment : assignments) {
        FieldValue value;
        if (!ParseAssignment(kind, assignment, value, error)) return Fail(err, error);
        if (!names.insert(value.field->name).second) return Fail(err, std::string(value.field->name) + ": given twice");
        given.push_back(std::move(value));
    }

    std::vector<std::uint8_t> base;
    std::vector<std::string> notes;
    if (!LoadBase(file, kind, base, notes, error)) return Fail(err, error);
    PrintNotes(err, notes);

    Produced p = Produce(kind, base, given, options);
    if (p.status == kExitBadInput) return Fail(err, p.message);
    PrintNotes(err, p.result.notes);
    if (p.status == kExitRefused) {
        err << p.message << "\n";
        return kExitRefused;
    }
    if (!WriteVerified(lock, file, kind, p.result.plain, error)) return Fail(err, error);
    out << "wrote " << Shown(file) << "\n";
    return kExitOk;
}

}  // namespace trailcfg::cli
