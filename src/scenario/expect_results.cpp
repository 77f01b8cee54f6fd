// Expectations about what the program did: its exit, its message boxes, its
// standard output, its process-wide state and the files it wrote.
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/process_state.h"
#include "common/file_io.h"
#include "common/scramble.h"
#include "record_fields.h"
#include "session.h"
#include "step_args.h"
#include "values.h"

namespace trailcfg::scenario {

namespace {

namespace fs = std::filesystem;

// The captured output is shown up to this many bytes in a report.
constexpr std::size_t kShownOutput = 2000;

Outcome Exit(Session& s, const Step& step) {
    std::int64_t code = 0;
    if (!HasArgs(s, step, 3, "expect exit CODE") || !NumberArg(s, step, 2, code)) return Outcome::Failed;
    std::string expected = "exit " + step.tokens[2].word;
    if (s.appRunning) return s.Mismatch(step, expected, "the application still running");
    if (!s.exitStatus) return s.Mismatch(step, expected, "no application that ended");
    return *s.exitStatus == code ? Outcome::Done : s.Mismatch(step, expected, "exit " + std::to_string(*s.exitStatus));
}

const char* IconName(MessageIcon icon) { return icon == MessageIcon::Warning ? "warning" : "information"; }

std::string Shown(const Message& m) {
    return "message " + Quoted(m.caption) + " " + Quoted(m.text) + " " + IconName(m.icon);
}

Outcome MessageBox(Session& s, const Step& step) {
    constexpr const char* kUsage = "expect message \"CAPTION\" \"TEXT\" [warning|information]";
    std::string caption, text;
    if (step.tokens.size() != 4 && step.tokens.size() != 5) return s.Fail(step, std::string("usage: ") + kUsage);
    if (!TextArg(s, step, 2, caption) || !TextArg(s, step, 3, text)) return Outcome::Failed;
    const char* icon = nullptr;
    if (step.tokens.size() == 5) {
        const std::string& word = step.tokens[4].word;
        if (word != "warning" && word != "information") return s.Fail(step, std::string("usage: ") + kUsage);
        icon = word == "warning" ? "warning" : "information";
    }
    std::string expected = "message " + Quoted(caption) + " " + Quoted(text) + (icon ? std::string(" ") + icon : "");
    if (s.messagesExpected >= s.messages.size()) return s.Mismatch(step, expected, "no message");
    const Message& m = s.messages[s.messagesExpected];
    if (m.caption != caption || m.text != text || (icon && std::strcmp(icon, IconName(m.icon)) != 0))
        return s.Mismatch(step, expected, Shown(m));
    ++s.messagesExpected;
    return Outcome::Done;
}

Outcome NoMessage(Session& s, const Step& step) {
    if (!HasArgs(s, step, 2, "expect no-message")) return Outcome::Failed;
    if (s.messagesExpected >= s.messages.size()) return Outcome::Done;
    return s.Mismatch(step, "no message", Shown(s.messages[s.messagesExpected]));
}

Outcome OutputHas(Session& s, const Step& step, bool wanted) {
    std::string text;
    if (!HasArgs(s, step, 3, "expect output|no-output \"TEXT\"") || !TextArg(s, step, 2, text)) return Outcome::Failed;
    bool found = s.output.find(text) != std::string::npos;
    if (found == wanted) return Outcome::Done;
    std::string shown = s.output.size() > kShownOutput ? s.output.substr(0, kShownOutput) : s.output;
    return s.Mismatch(step, std::string(wanted ? "output containing " : "output without ") + Quoted(text),
                      Quoted(shown) + (shown.size() < s.output.size() ? "..." : ""));
}

Outcome Output(Session& s, const Step& step) { return OutputHas(s, step, true); }
Outcome NoOutput(Session& s, const Step& step) { return OutputHas(s, step, false); }

// A record of the process-wide state, named by its prefix in `expect state`.
struct StateRecord {
    const char* prefix;
    std::uint8_t* bytes;
    const FieldTable& fields;
};

Outcome CompareInRecord(Session& s, const Step& step, const std::uint8_t* bytes, std::size_t size,
                        const FieldTable& table, const std::string& fieldName, const std::string& what) {
    const FieldDesc* field = FindField(table, fieldName);
    if (!field) return s.Fail(step, std::string(table.recordName) + " has no field " + fieldName);
    std::string expected = what + " " + Shown(step.tokens[3]);
    if (field->offset + field->width > size)
        return s.Mismatch(step, expected, "a file of " + std::to_string(size) + " bytes");
    FieldCheck check;
    std::string error;
    if (!CheckField(bytes, *field, step.tokens[3], check, error)) return s.Fail(step, error);
    return check.equal ? Outcome::Done : s.Mismatch(step, expected, check.got);
}

Outcome State(Session& s, const Step& step) {
    if (!HasArgs(s, step, 4, "expect state NAME VALUE") || !step.tokens[2].IsWord()) return Outcome::Failed;
    const std::string& name = step.tokens[2].word;
    const Token& value = step.tokens[3];
    std::string expected = "state " + name + " " + Shown(value);

    const struct {
        const char* name;
        int* value;
    } kScalars[] = {
        {"g_iUiLanguage", &g_iUiLanguage},
        {"g_iCameraModel", &g_iCameraModel},
        {"g_bNoCmd22", &g_bNoCmd22},
    };
    for (const auto& scalar : kScalars) {
        if (name != scalar.name) continue;
        std::int64_t n = 0;
        if (!NumberArg(s, step, 3, n)) return Outcome::Failed;
        return n == *scalar.value ? Outcome::Done : s.Mismatch(step, expected, std::to_string(*scalar.value));
    }
    if (name == "g_szSavePath") {
        std::string text;
        if (!TextArg(s, step, 3, text)) return Outcome::Failed;
        std::string got(g_szSavePath, strnlen(g_szSavePath, sizeof g_szSavePath));
        return got == text ? Outcome::Done : s.Mismatch(step, expected, Quoted(got));
    }

    const StateRecord kRecords[] = {
        {"g_sSendSet.", RecordBytes(g_sSendSet), SendSettingsFields()},
        {"g_sSendSetCopy.", RecordBytes(g_sSendSetCopy), SendSettingsFields()},
        {"g_sMenuData.", RecordBytes(g_sMenuData), CameraMenuFields()},
        {"SaveClock.", reinterpret_cast<std::uint8_t*>(&SaveClock), MenuClockFields()},
        {"sLastGenTime.", reinterpret_cast<std::uint8_t*>(&sLastGenTime), GenTimeFields()},
    };
    for (const StateRecord& record : kRecords) {
        std::size_t n = std::strlen(record.prefix);
        if (name.compare(0, n, record.prefix) != 0) continue;
        return CompareInRecord(s, step, record.bytes, record.fields.recordSize, record.fields, name.substr(n),
                               "state " + name);
    }
    return s.Fail(step, "no process-wide value " + name);
}

// The unscrambled bytes of a file in the current save folder.
bool ReadSaveFolderFile(const char* fileName, std::vector<std::uint8_t>& bytes) {
    std::ifstream in(PathFromGbk(JoinSavePath(g_szSavePath, fileName)), std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    UnscrambleBytes(bytes.data(), bytes.size());
    return true;
}

Outcome FileField(Session& s, const Step& step, const char* fileName, const FieldTable& table) {
    if (!HasArgs(s, step, 4, "expect cfg|menu FIELD VALUE") || !step.tokens[2].IsWord()) return Outcome::Failed;
    std::vector<std::uint8_t> bytes;
    std::string what = step.tokens[1].word + " " + step.tokens[2].word;
    if (!ReadSaveFolderFile(fileName, bytes))
        return s.Mismatch(step, what + " " + Shown(step.tokens[3]), std::string("no ") + fileName);
    return CompareInRecord(s, step, bytes.data(), bytes.size(), table, step.tokens[2].word, what);
}

Outcome Cfg(Session& s, const Step& step) { return FileField(s, step, kCfgFileName, SendSettingsFields()); }
Outcome Menu(Session& s, const Step& step) { return FileField(s, step, kMenuFileName, CameraMenuFields()); }

Outcome FileByte(Session& s, const Step& step, const char* fileName) {
    std::int64_t offset = 0, value = 0;
    if (!HasArgs(s, step, 4, "expect cfg-byte|menu-byte OFFSET VALUE") || !NumberArg(s, step, 2, offset) ||
        !NumberArg(s, step, 3, value))
        return Outcome::Failed;
    std::string expected = step.tokens[1].word + " " + step.tokens[2].word + " " + step.tokens[3].word;
    std::vector<std::uint8_t> bytes;
    if (!ReadSaveFolderFile(fileName, bytes)) return s.Mismatch(step, expected, std::string("no ") + fileName);
    if (offset < 0 || offset >= static_cast<std::int64_t>(bytes.size()))
        return s.Mismatch(step, expected, "a file of " + std::to_string(bytes.size()) + " bytes");
    int got = bytes[static_cast<std::size_t>(offset)];
    return got == value ? Outcome::Done : s.Mismatch(step, expected, std::to_string(got));
}

Outcome CfgByte(Session& s, const Step& step) { return FileByte(s, step, kCfgFileName); }
Outcome MenuByte(Session& s, const Step& step) { return FileByte(s, step, kMenuFileName); }

Outcome File(Session& s, const Step& step) {
    if (!HasArgs(s, step, 4, "expect file PATH exists|missing")) return Outcome::Failed;
    const std::string& state = step.tokens[3].word;
    if (state != "exists" && state != "missing") return s.Fail(step, "usage: expect file PATH exists|missing");
    std::error_code ec;
    bool exists = fs::exists(PathArg(s, step.tokens[2]), ec);
    if (exists == (state == "exists")) return Outcome::Done;
    return s.Mismatch(step, "file " + Shown(step.tokens[2]) + " " + state, exists ? "exists" : "missing");
}

Outcome Size(Session& s, const Step& step) {
    std::int64_t n = 0;
    if (!HasArgs(s, step, 4, "expect size PATH N") || !NumberArg(s, step, 3, n)) return Outcome::Failed;
    std::error_code ec;
    std::uintmax_t size = fs::file_size(PathArg(s, step.tokens[2]), ec);
    std::string expected = "size of " + Shown(step.tokens[2]) + " " + step.tokens[3].word;
    if (ec) return s.Mismatch(step, expected, "no such file");
    return static_cast<std::int64_t>(size) == n ? Outcome::Done : s.Mismatch(step, expected, std::to_string(size));
}

constexpr StepKind kResultExpectations[] = {
    {"exit", Exit},
    {"message", MessageBox},
    {"no-message", NoMessage},
    {"output", Output},
    {"no-output", NoOutput},
    {"state", State},
    {"cfg", Cfg},
    {"menu", Menu},
    {"cfg-byte", CfgByte},
    {"menu-byte", MenuByte},
    {"file", File},
    {"size", Size},
};

}  // namespace

std::span<const StepKind> ResultExpectations() { return kResultExpectations; }

}  // namespace trailcfg::scenario
