// The set-up steps: what the machine looks like before and while the
// program runs, and `start`.
#include <cstdio>
#include <fstream>

#include "camera/menu_file.h"
#include "common/file_io.h"
#include "record_fields.h"
#include "send/cfg_file.h"
#include "session.h"
#include "step_args.h"
#include "values.h"

namespace trailcfg::scenario {

namespace {

namespace fs = std::filesystem;

bool NotRunning(Session& s, const Step& step) {
    if (!s.appRunning) return true;
    s.Fail(step, step.tokens[0].word + ": only while no application runs");
    return false;
}

Outcome SystemLanguage(Session& s, const Step& step) {
    std::int64_t id = 0;
    if (!NotRunning(s, step) || !HasArgs(s, step, 2, "system-language ID") || !NumberArg(s, step, 1, id))
        return Outcome::Failed;
    if (id < 0 || id > 0xFFFF) return s.Fail(step, "a language identifier is 0..0xFFFF");
    s.systemLanguage = static_cast<std::uint16_t>(id);
    return Outcome::Done;
}

Outcome Now(Session& s, const Step& step) {
    if (!HasArgs(s, step, 3, "now YYYY-MM-DD HH:MM:SS")) return Outcome::Failed;
    LocalTime t{};
    char tail = 0;
    std::string text = step.tokens[1].word + " " + step.tokens[2].word;
    if (!step.tokens[1].IsWord() || !step.tokens[2].IsWord() ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &t.year, &t.month, &t.day, &t.hour, &t.minute, &t.second,
                    &tail) != 6 ||
        t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 || t.second > 59)
        return s.Fail(step, "usage: now YYYY-MM-DD HH:MM:SS");
    s.now = t;
    return Outcome::Done;
}

Outcome Folder(Session& s, const Step& step) {
    if (!HasArgs(s, step, 2, "folder PATH | folder cancel")) return Outcome::Failed;
    const Token& answer = step.tokens[1];
    if (answer.IsWord() && answer.word == "cancel") {
        s.folderAnswers.emplace_back(std::nullopt);
        return Outcome::Done;
    }
    // As a folder dialog gives it: absolute, without a trailing separator.
    fs::path folder = PathArg(s, answer).lexically_normal();
    if (!folder.has_filename() && folder.has_parent_path() && folder != folder.root_path())
        folder = folder.parent_path();
    s.folderAnswers.emplace_back(GbkFromPath(folder));
    return Outcome::Done;
}

Outcome MakeDir(Session& s, const Step& step) {
    if (!HasArgs(s, step, 2, "mkdir PATH")) return Outcome::Failed;
    std::error_code ec;
    fs::create_directories(PathArg(s, step.tokens[1]), ec);
    if (ec) return s.Fail(step, "mkdir: " + ec.message());
    return Outcome::Done;
}

Outcome ReadOnly(Session& s, const Step& step) {
    if (!HasArgs(s, step, 2, "readonly PATH")) return Outcome::Failed;
    if (!s.work.MakeReadOnly(PathArg(s, step.tokens[1]))) return s.Fail(step, "readonly: no such folder");
    return Outcome::Done;
}

bool WriteFile(const fs::path& file, const void* bytes, std::size_t n) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(n));
    return static_cast<bool>(out.flush());
}

template <typename Record>
bool AssignAll(Session& s, const Step& step, Record& record, const FieldTable& table) {
    for (std::size_t i = 3; i < step.tokens.size(); ++i) {
        std::string error;
        if (!AssignField(reinterpret_cast<std::uint8_t*>(&record), table, step.tokens[i], error)) {
            s.Fail(step, error);
            return false;
        }
    }
    return true;
}

// A record file: the defaults, the step's assignments, the file's encoding.
template <typename Record, std::size_t kSize>
Outcome MakeRecordFile(Session& s, const Step& step, const fs::path& file, void (*makeDefaults)(Record&),
                       const FieldTable& fields, void (*encode)(const Record&, std::uint8_t (&)[kSize])) {
    Record record;
    makeDefaults(record);
    if (!AssignAll(s, step, record, fields)) return Outcome::Failed;
    std::uint8_t image[kSize];
    encode(record, image);
    return WriteFile(file, image, sizeof image) ? Outcome::Done : s.Fail(step, "make: cannot write the file");
}

Outcome MakeBytes(Session& s, const Step& step, const fs::path& file) {
    std::string hex;
    for (std::size_t i = 3; i < step.tokens.size(); ++i) {
        if (!step.tokens[i].IsWord()) return s.Fail(step, "make bytes takes hex pairs");
        hex += step.tokens[i].word;
    }
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        std::int64_t b = 0;
        if (!ParseNumber("0x" + hex.substr(i, 2), b)) return s.Fail(step, "make bytes takes hex pairs");
        bytes += static_cast<char>(b);
    }
    if (hex.size() % 2) return s.Fail(step, "make bytes takes hex pairs");
    return WriteFile(file, bytes.data(), bytes.size()) ? Outcome::Done : s.Fail(step, "make: cannot write the file");
}

Outcome MakeZeros(Session& s, const Step& step, const fs::path& file) {
    std::int64_t n = 0;
    if (!HasArgs(s, step, 4, "make zeros NAME N") || !NumberArg(s, step, 3, n)) return Outcome::Failed;
    if (n < 0 || n > (1 << 24)) return s.Fail(step, "make zeros: N is 0..16777216");
    std::string zeros(static_cast<std::size_t>(n), '\0');
    return WriteFile(file, zeros.data(), zeros.size()) ? Outcome::Done : s.Fail(step, "make: cannot write the file");
}

Outcome Make(Session& s, const Step& step) {
    constexpr const char* kUsage = "make cfg|menu|bytes|zeros NAME ...";
    if (!HasArgsAtLeast(s, step, 3, kUsage)) return Outcome::Failed;
    const std::string& what = step.tokens[1].word;
    fs::path file = PathArg(s, step.tokens[2]);
    if (what == "cfg") return MakeRecordFile(s, step, file, &MakeSendDefaults, SendSettingsFields(), &EncodeCfgImage);
    if (what == "menu") return MakeRecordFile(s, step, file, &MakeMenuDefaults, CameraMenuFields(), &EncodeMenuImage);
    if (what == "bytes") return MakeBytes(s, step, file);
    if (what == "zeros") return MakeZeros(s, step, file);
    return s.Fail(step, std::string("usage: ") + kUsage);
}

Outcome Start(Session& s, const Step& step) {
    if (!NotRunning(s, step) || !HasArgs(s, step, 1, "start")) return Outcome::Failed;
    return s.StartApplication(step);
}

constexpr StepKind kSetupSteps[] = {
    {"system-language", SystemLanguage},
    {"now", Now},
    {"folder", Folder},
    {"mkdir", MakeDir},
    {"readonly", ReadOnly},
    {"make", Make},
    {"start", Start},
};

}  // namespace

std::span<const StepKind> SetupSteps() { return kSetupSteps; }

}  // namespace trailcfg::scenario
