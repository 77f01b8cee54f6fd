#include "record_build.h"

#include <cstring>
#include <ctime>

#include "camera/menu_file.h"
#include "common/file_io.h"
#include "explain.h"
#include "keep_in_step.h"
#include "send/cfg_file.h"
#include "send/operator_db.h"

namespace trailcfg::cli {

namespace {

std::string GivenValue(const FieldValue& v) {
    if (v.field->kind == FieldKind::Text) return Json(Utf8Of(v.text.c_str())).dump();
    return std::to_string(v.number);
}

std::string DatabaseConflict(const FieldValue& v, const std::uint8_t* plain) {
    constexpr FileKind kind = FileKind::Cfg;
    const int country = plain[offsetof(SendSettings, byOperatorCountry)];
    const int op = plain[offsetof(SendSettings, byOperator)];
    return std::string(v.field->name) + ": " + GivenValue(v) + " is not what the operator database gives for " +
           CountryName(country, 1) + " / " + OperatorName(country, op, 1) + " (" + RawValue(kind, *v.field, plain) +
           "); leave it out, or set byOperatorCountry to 43 (manual input) to give your own";
}

// What the rules changed of the user's values: the database's texts may not
// be overridden; everything else is told and written as the program would.
bool CompareWithGiven(FileKind kind, const FieldValues& given, BuildResult& out, std::string& error) {
    for (const FieldValue& v : given) {
        if (SameAsRecord(v, out.plain.data())) continue;
        if (kind == FileKind::Cfg && IsDatabaseText(v.field->name)) {
            // The texts are the database's (only a database operator under
            // an option that sends changes them).
            if (v.text.empty()) continue;  // an export of a record never filled
            error = DatabaseConflict(v, out.plain.data());
            return false;
        }
        const char* why = WhyChanged(kind, v.field->name);
        out.notes.push_back(std::string(v.field->name) + ": " + GivenValue(v) + " given, written as " +
                            RawValue(kind, *v.field, out.plain.data()) + " (" +
                            (why ? why : "as the program writes it") + ")");
    }
    return true;
}

}  // namespace

StampTime LocalNow() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return StampTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::vector<std::uint8_t> DefaultRecord(FileKind kind) {
    if (kind == FileKind::Cfg) {
        SendSettings s;
        MakeSendDefaults(s);
        return std::vector<std::uint8_t>(RecordBytes(s), RecordBytes(s) + sizeof s);
    }
    CameraMenu m;
    MakeMenuDefaults(m);
    return std::vector<std::uint8_t>(RecordBytes(m), RecordBytes(m) + sizeof m);
}

bool LoadBase(const FilePath& file, FileKind kind, std::vector<std::uint8_t>& plain, std::vector<std::string>& notes,
              std::string& error) {
    FileKind actual;
    std::vector<std::uint8_t> stored;
    if (!ReadPlainImage(file, actual, stored, error)) return false;
    if (actual != kind) {
        error = Shown(file) + ": is a " + FileNameOf(actual) + ", not a " + FileNameOf(kind);
        return false;
    }
    const std::string shown = GbkOf(file);
    if (kind == FileKind::Menu) {
        CameraMenu m;
        if (ReadMenuFileAt(file.native(), shown.c_str(), m, MenuClock{}) != 1) {
            error = Shown(file) + ": cannot be read";
            return false;
        }
        plain.assign(RecordBytes(m), RecordBytes(m) + sizeof m);
        return true;
    }
    SendSettings s;
    if (ReadCfgFile(file.native(), shown.c_str(), s, 0, GenTime{}) != 1) {
        error = Shown(file) + ": is no CFG.BIN the program reads (its format marker is not 0x1005)";
        return false;
    }
    // The send page shows a recipient only when its length is stored, and
    // Generate takes what the page shows.
    for (int i = 0; i < 4; ++i)
        if (s.uwRecpLen[i] == 0) s.szRecp[i][0] = '\0';
    plain.assign(RecordBytes(s), RecordBytes(s) + sizeof s);
    stored[0] &= static_cast<std::uint8_t>(~IF_SEND_BY_APP_SET_FLG);
    // Fields the rules derive anyway need no word here.
    for (const FieldDesc& f : SendSettingsFields()) {
        const std::string was = RawValue(kind, f, stored.data()), is = RawValue(kind, f, plain.data());
        if (!WhyChanged(kind, f.name) && was != is)
            notes.push_back(Shown(file) + ": " + f.name + ": stored " + was + ", loaded as " + is +
                            ", as the desktop program loads it");
    }
    return true;
}

bool BuildRecord(FileKind kind, const std::vector<std::uint8_t>& base, const FieldValues& given,
                 const BuildOptions& options, BuildResult& out, std::string& error) {
    out = BuildResult{};
    out.plain = base;
    ApplyValues(out.plain.data(), given);
    if (kind == FileKind::Cfg) {
        SendSettings s, before;
        std::memcpy(&s, out.plain.data(), sizeof s);
        std::memcpy(&before, base.data(), sizeof before);
        if (!KeepCfgInStep(s, before, GivenFields{given}, options, error)) return false;
        std::memcpy(out.plain.data(), &s, sizeof s);
        if (!CompareWithGiven(kind, given, out, error)) return false;
        out.refusal = RunGenerateChecks(s, options.noCmd22 ? 1 : 0);
        return true;
    }
    CameraMenu m;
    std::memcpy(&m, out.plain.data(), sizeof m);
    if (!KeepMenuInStep(m, options, error)) return false;
    std::memcpy(out.plain.data(), &m, sizeof m);
    return CompareWithGiven(kind, given, out, error);
}

}  // namespace trailcfg::cli
