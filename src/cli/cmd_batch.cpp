#include <map>
#include <ostream>
#include <set>
#include <system_error>

#include "commands.h"
#include "csv_reader.h"
#include "folder_name.h"
#include "json_input.h"
#include "produce.h"
#include "verified_write.h"

namespace trailcfg::cli {

namespace {

constexpr std::size_t kMaxJsonBytes = 16u << 20;
constexpr std::size_t kMaxCsvBytes = 256u << 20;
constexpr std::string_view kNameColumn = "name";

int Fail(std::ostream& err, const std::string& message) {
    err << "trailcfg-cli: " << message << "\n";
    return kExitBadInput;
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

class BatchRun {
public:
    BatchRun(const BatchOptions& options, const JsonFields& templ, const Columns& columns, std::size_t rows,
             std::ostream& err)
        : options_(options), template_(templ), columns_(columns), rows_(rows), err_(err),
          writeMenu_(templ.hasMenu || columns.hasMenu) {}

    // One camera; false when it failed (and was reported).
    bool Row(std::size_t index, const CsvRow& row, const std::size_t headerCells) {
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

        const std::filesystem::path folder = options_.out / PathFromUtf8(name);
        std::error_code ec;
        std::filesystem::create_directory(folder, ec);
        if (!std::filesystem::is_directory(folder, ec)) return Failed(where + Shown(folder) + ": cannot be made");
        if (!WriteVerified(folder / FileNameOf(FileKind::Cfg), FileKind::Cfg, cfg.result.plain, error))
            return Failed(where + error);
        if (writeMenu_ && !WriteVerified(folder / FileNameOf(FileKind::Menu), FileKind::Menu, menu.result.plain, error))
            return Failed(where + error);
        return true;
    }

    void EndProgress() {
        if (options_.progress) err_ << "\r\x1b[K" << std::flush;
    }

private:
    void Progress(std::size_t index, const CsvRow& row) {
        if (!options_.progress) return;
        const std::string name = row.cells.size() > columns_.name ? row.cells[columns_.name] : std::string();
        err_ << "\r\x1b[K[" << index << "/" << rows_ << "] " << name.substr(0, 60) << std::flush;
    }

    bool Failed(const std::string& message) {
        if (options_.progress) err_ << "\r\x1b[K";
        err_ << "trailcfg-cli: " << message << "\n";
        return false;
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
    std::ostream& err_;
    bool writeMenu_;
    std::map<std::string, std::size_t> names_;
    std::set<std::string> toldNotes_;
};

}  // namespace

int CmdBatch(const BatchOptions& options, std::ostream& out, std::ostream& err) {
    std::string text, error;
    if (!ReadInputText(options.templateJson, kMaxJsonBytes, text, error)) return Fail(err, error);
    JsonFields templ;
    if (!ParseJsonFields(text, templ, error)) return Fail(err, options.templateJson + ": " + error);

    if (!ReadInputText(options.camerasCsv, kMaxCsvBytes, text, error)) return Fail(err, error);
    CsvTable table;
    if (!ReadCsv(text, table, error)) return Fail(err, options.camerasCsv + ": " + error);
    text.clear();
    Columns columns;
    if (!ReadHeader(table.header, columns, error)) return Fail(err, options.camerasCsv + ": " + error);

    std::error_code ec;
    if (!std::filesystem::is_directory(options.out, ec)) return Fail(err, Shown(options.out) + ": no such folder");

    BatchRun run(options, templ, columns, table.rows.size(), err);
    std::size_t failed = 0;
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        if (!run.Row(i + 1, table.rows[i], table.header.cells.size())) ++failed;
    run.EndProgress();
    out << table.rows.size() << " cameras: " << table.rows.size() - failed << " written, " << failed << " failed\n";
    return failed == 0 ? kExitOk : kExitRefused;
}

}  // namespace trailcfg::cli
