#include <cstdio>
#include <map>
#include <set>

#include "commands.h"
#include "common/file_io.h"
#include "csv_reader.h"
#include "folder_name.h"
#include "input_encoding.h"
#include "json_input.h"
#include "produce.h"
#include "verified_write.h"

namespace trailcfg::cli {

namespace {

constexpr std::size_t kMaxJsonBytes = 16u << 20;
constexpr std::size_t kMaxCsvBytes = 256u << 20;
constexpr std::string_view kNameColumn = "name";

// The output folder, made when it is missing and the folder it belongs in
// exists; a missing parent is more likely a typing slip than a wish for a
// new tree of folders.
bool MakeOutputFolder(const FilePath& out, bool& made, std::string& error) {
    made = false;
    if (IsFolder(out)) return true;
    if (Exists(out)) {
        error = Shown(out) + ": is not a folder";
        return false;
    }
    // "cards/" names the folder "cards".
    const FilePath folder = out.HasFileName() ? out : out.Parent();
    const FilePath parent = folder.Parent().empty() ? FilePath::FromUtf8(".") : folder.Parent();
    if (!IsFolder(parent)) {
        error = Shown(out) + ": no such folder, and no folder " + Shown(parent) + " to make it in";
        return false;
    }
    std::string why;
    made = MakeFolder(folder, why);
    if (!made && !IsFolder(folder)) {
        error = Shown(out) + ": cannot be made" + (why.empty() ? std::string() : " (" + why + ")");
        return false;
    }
    return true;
}

// What each column of the table sets.
struct Columns {
    std::size_t name = 0;
    struct Field {
        std::size_t column;
        FileKind kind;
        const FieldDesc* field;
    };
    std::vector<Field> fields;
    bool hasMenu = false;
};

std::string Column(std::size_t index) { return "column " + std::to_string(index + 1); }

bool ReadHeader(const CsvRow& header, Columns& columns, std::string& error) {
    bool haveName = false;
    std::set<std::string> seen;
    for (std::size_t i = 0; i < header.cells.size(); ++i) {
        const std::string& title = header.cells[i];
        const std::string where = "line " + std::to_string(header.line) + ", " + Column(i) + ": ";
        if (!seen.insert(title).second) {
            error = where + "\"" + title + "\" is a column twice";
            return false;
        }
        if (title == kNameColumn) {
            columns.name = i;
            haveName = true;
            continue;
        }
        Columns::Field f{i, FileKind::Cfg, nullptr};
        if (!FindAnyField(title, f.kind, f.field, error)) {
            error = where + error;
            if (header.cells.size() == 1 && title.find(';') != std::string::npos)
                error += " (the columns must be separated by commas)";
            return false;
        }
        columns.hasMenu = columns.hasMenu || f.kind == FileKind::Menu;
        columns.fields.push_back(f);
    }
    if (!haveName) {
        error = "line " + std::to_string(header.line) + ": no \"name\" column, which names each camera's folder";
        return false;
    }
    return true;
}

// A row's files and what each of them replaced. A row that fails while its
// files are written is undone: a new CFG.BIN beside the last run's menu.dat
// (or beside none) would be a camera that neither run set up, and a row
// reported as failed must not leave a folder that looks ready for a card.
class RowFiles {
public:
    RowFiles(const CardLock& lock, FilePath folder, bool madeFolder)
        : lock_(lock), folder_(std::move(folder)), madeFolder_(madeFolder) {}

    bool Write(FileKind kind, const std::vector<std::uint8_t>& plain, std::string& error) {
        const FilePath file = folder_ / FileNameOf(kind);
        Before before{file, State::Absent, {}, false};
        if (Exists(file)) before.state = ReadStored(file, before.bytes) ? State::Stored : State::Unreadable;
        before_.push_back(std::move(before));
        before_.back().replaced = WriteVerified(lock_, file, kind, plain, error);
        return before_.back().replaced;
    }

    // Puts back what the row's writes replaced and takes away what they
    // added; "" when the folder is as the row found it, otherwise what is not.
    std::string Undo() {
        std::string notBack;
        for (auto it = before_.rbegin(); it != before_.rend(); ++it) {
            const bool isFile = IsRegularFile(it->file);
            bool back = true;
            switch (it->state) {
                case State::Absent:
                    if (isFile) back = RemoveFile(it->file.native());
                    break;
                case State::Stored: {
                    std::vector<std::uint8_t> now;
                    if (!isFile || !ReadStored(it->file, now) || now != it->bytes)
                        back = ReplaceFileContents(it->file.native(), it->bytes.data(), it->bytes.size());
                    break;
                }
                case State::Unreadable:
                    // Its bytes were never known. Whether the failed write
                    // replaced it, its own message tells.
                    back = !it->replaced;
                    break;
            }
            if (!back) notBack += "; " + Shown(it->file) + " could not be put back as it was";
        }
        if (madeFolder_) RemoveEmptyFolder(folder_.native());  // never more than the row made
        return notBack;
    }

private:
    enum class State { Absent, Stored, Unreadable };
    struct Before {
        FilePath file;
        State state;
        std::vector<std::uint8_t> bytes;
        bool replaced;  // written and verified
    };

    // A file's bytes as stored, within what a settings file may sensibly be.
    static bool ReadStored(const FilePath& file, std::vector<std::uint8_t>& bytes) {
        constexpr std::uintmax_t kMaxBytes = 1u << 20;
        std::uintmax_t size = 0;
        std::string why;
        if (!IsRegularFile(file) || !FileSize(file, size, why) || size > kMaxBytes) return false;
        std::FILE* f = OpenBinaryFile(file.native(), "rb");
        if (!f) return false;
        bytes.assign(static_cast<std::size_t>(size), 0);
        const bool whole = ReadExactly(f, bytes.data(), bytes.size());
        std::fclose(f);
        return whole;
    }

    const CardLock& lock_;
    FilePath folder_;
    bool madeFolder_;
    std::vector<Before> before_;
};

// The template's values with the row's on top; a field the row gives
// replaces the template's.
FieldValues Merge(const FieldValues& templateValues, const FieldValues& rowValues, FileKind kind) {
    FieldValues merged;
    for (const FieldValue& v : templateValues) {
        if (v.kind != kind) continue;
        bool replaced = false;
        for (const FieldValue& r : rowValues) replaced = replaced || r.field == v.field;
        if (!replaced) merged.push_back(v);
    }
    for (const FieldValue& r : rowValues)
        if (r.kind == kind) merged.push_back(r);
    return merged;
}

// How a row ended: a file error is the card's or the folder's fault, not
// the table's, and the exit status tells the two apart.
enum class RowResult { Written, Refused, FileError };

class BatchRun {
public:
    BatchRun(const BatchOptions& options, const JsonFields& templ, const Columns& columns, std::size_t rows,
             Output& err)
        : options_(options),
          template_(templ),
          columns_(columns),
          rows_(rows),
          err_(err),
          writeMenu_(templ.hasMenu || columns.hasMenu) {}

    // One camera; a failure is reported.
    RowResult Row(std::size_t index, const CsvRow& row, const std::size_t headerCells) {
        Progress(index, row);
        const std::string name = row.cells.size() > columns_.name ? row.cells[columns_.name] : std::string();
        std::string where = options_.camerasCsv + ": row " + std::to_string(index) + " (line " +
                            std::to_string(row.line) + (name.empty() ? "" : ", \"" + name + "\"") + "): ";
        std::string error;
        if (row.cells.size() != headerCells)
            return Failed(where + std::to_string(row.cells.size()) + " cells, but the header has " +
                          std::to_string(headerCells));
        if (!CheckFolderName(name, error)) return Failed(where + error);
        auto [earlier, fresh] = names_.emplace(name, index);
        if (!fresh) return Failed(where + "the name is also row " + std::to_string(earlier->second) + "'s");

        FieldValues values;
        for (const Columns::Field& f : columns_.fields) {
            FieldValue v;
            if (!ValueFromText(f.kind, *f.field, row.cells[f.column], v, error))
                return Failed(where + f.field->name + ": " + error);
            values.push_back(std::move(v));
        }
        Produced cfg = Produce(FileKind::Cfg, DefaultRecord(FileKind::Cfg),
                               Merge(template_.values, values, FileKind::Cfg), options_.write, " ");
        if (cfg.status != kExitOk) return Failed(where + cfg.message);
        Produced menu;
        if (writeMenu_) {
            menu = Produce(FileKind::Menu, DefaultRecord(FileKind::Menu),
                           Merge(template_.values, values, FileKind::Menu), options_.write, " ");
            if (menu.status != kExitOk) return Failed(where + menu.message);
        }
        Notes(where, cfg.result.notes);
        Notes(where, menu.result.notes);

        const FilePath folder = options_.out / PathFromUtf8(name);
        std::string why;
        const bool madeFolder = MakeFolder(folder, why);
        if (!IsFolder(folder)) {
            Failed(where + Shown(folder) + ": cannot be made");
            return RowResult::FileError;
        }
        // The row's files, and the undo of a failed row, under one lock.
        const CardLock lock((folder / FileNameOf(FileKind::Cfg)).native());
        if (!CardFree(lock, folder, options_.write.language, error)) {
            if (madeFolder) RemoveEmptyFolder(folder.native());
            Failed(where + error);
            return RowResult::FileError;
        }
        RowFiles files(lock, folder, madeFolder);
        if (!files.Write(FileKind::Cfg, cfg.result.plain, error) ||
            (writeMenu_ && !files.Write(FileKind::Menu, menu.result.plain, error))) {
            Failed(where + error + files.Undo());
            return RowResult::FileError;
        }
        return RowResult::Written;
    }

    void EndProgress() {
        if (options_.progress) err_ << "\r\x1b[K" << kFlush;
    }

private:
    void Progress(std::size_t index, const CsvRow& row) {
        if (!options_.progress) return;
        const std::string name = row.cells.size() > columns_.name ? row.cells[columns_.name] : std::string();
        err_ << "\r\x1b[K[" << index << "/" << rows_ << "] " << name.substr(0, 60) << kFlush;
    }

    RowResult Failed(const std::string& message) {
        if (options_.progress) err_ << "\r\x1b[K";
        err_ << "trailcfg-cli: " << message << "\n";
        return RowResult::Refused;
    }

    // The template's notes are the same for every row: each is told once.
    void Notes(const std::string& where, const std::vector<std::string>& notes) {
        for (const std::string& note : notes)
            if (toldNotes_.insert(note).second) {
                if (options_.progress) err_ << "\r\x1b[K";
                err_ << "trailcfg-cli: " << where << "note: " << note << " (not repeated for later rows)\n";
            }
    }

    const BatchOptions& options_;
    const JsonFields& template_;
    const Columns& columns_;
    std::size_t rows_;
    Output& err_;
    bool writeMenu_;
    std::map<std::string, std::size_t> names_;
    std::set<std::string> toldNotes_;
};

}  // namespace

int CmdBatch(const BatchOptions& options, Output& out, Output& err) {
    std::string text, error;
    if (!ReadUtf8Input(options.templateJson, kMaxJsonBytes, "UTF-8", text, error)) return Fail(err, error);
    JsonFields templ;
    if (!ParseJsonFields(text, templ, error)) return Fail(err, options.templateJson + ": " + error);

    // Excel's plain "CSV" is in the system's code page; its "CSV UTF-8" is what
    // the table must be.
    if (!ReadUtf8Input(options.camerasCsv, kMaxCsvBytes, "CSV UTF-8", text, error)) return Fail(err, error);
    CsvTable table;
    if (!ReadCsv(text, table, error)) return Fail(err, options.camerasCsv + ": " + error);
    text.clear();
    Columns columns;
    if (!ReadHeader(table.header, columns, error)) return Fail(err, options.camerasCsv + ": " + error);

    bool madeOut = false;
    if (!MakeOutputFolder(options.out, madeOut, error)) return Fail(err, error);

    BatchRun run(options, templ, columns, table.rows.size(), err);
    std::size_t failed = 0;
    bool fileError = false;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const RowResult result = run.Row(i + 1, table.rows[i], table.header.cells.size());
        if (result != RowResult::Written) ++failed;
        if (result == RowResult::FileError) fileError = true;
    }
    run.EndProgress();
    // A run that wrote nothing leaves no folder behind that looks like cards.
    if (madeOut && failed == table.rows.size()) RemoveEmptyFolder(options.out.native());
    out << table.rows.size() << " cameras: " << table.rows.size() - failed << " written, " << failed << " failed\n";
    return fileError ? kExitBadInput : failed == 0 ? kExitOk : kExitRefused;
}

}  // namespace trailcfg::cli
