// trailcfg-cli's CSV input (batch): any bytes are either refused with a line
// and column, or a table whose cells, written back as CSV, read the same
// again; a folder name taken from a cell never leaves its folder; a cell
// taken as a field's value fits the field. The decoding before it (UTF-16,
// byte-order marks) gives UTF-8 or a refusal with a line and column.
#include <string_view>

#include "cli/cli_common.h"
#include "cli/csv_reader.h"
#include "cli/field_values.h"
#include "cli/folder_name.h"
#include "cli/input_encoding.h"
#include "fuzz_support.h"

using namespace trailcfg;
using namespace trailcfg::cli;

namespace {

std::string Quoted(const std::string& cell) {
    std::string out = "\"";
    for (char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string Written(const CsvTable& table) {
    std::string out;
    auto row = [&](const CsvRow& r) {
        for (std::size_t i = 0; i < r.cells.size(); ++i) out += (i ? "," : "") + Quoted(r.cells[i]);
        out += "\r\n";
    };
    row(table.header);
    for (const CsvRow& r : table.rows) row(r);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CsvTable table;
    std::string error;
    std::string decoded(text);
    if (DecodeInput(decoded, "CSV UTF-8", error))
        FUZZ_CHECK(IsValidUtf8(decoded) && decoded.find('\0') == std::string::npos);
    else
        FUZZ_CHECK(error.rfind("line ", 0) == 0);
    if (!ReadCsv(text, table, error)) {
        FUZZ_CHECK(error.rfind("line ", 0) == 0);
        return 0;
    }
    std::size_t line = table.header.line;
    for (const CsvRow& r : table.rows) {
        FUZZ_CHECK(r.line > line);
        FUZZ_CHECK(!r.cells.empty());
        line = r.line;
    }
    CsvTable again;
    FUZZ_CHECK(ReadCsv(Written(table), again, error));
    FUZZ_CHECK(again.header.cells == table.header.cells);
    FUZZ_CHECK(again.rows.size() == table.rows.size());
    for (std::size_t i = 0; i < table.rows.size(); ++i) FUZZ_CHECK(again.rows[i].cells == table.rows[i].cells);

    // As batch does: the header's fields once, then every row's cells.
    std::vector<std::pair<FileKind, const FieldDesc*>> columns;
    for (const std::string& title : table.header.cells) {
        FileKind kind = FileKind::Cfg;
        const FieldDesc* field = nullptr;
        if (!FindAnyField(title, kind, field, error)) break;  // batch stops at the first unknown column
        columns.emplace_back(kind, field);
    }
    for (const CsvRow& r : table.rows) {
        for (std::size_t c = 0; c < r.cells.size(); ++c) {
            const std::string& cell = r.cells[c];
            if (CheckFolderName(cell, error)) {
                FUZZ_CHECK(cell != "." && cell != "..");
                FUZZ_CHECK(cell.find_first_of("/\\") == std::string::npos);
            }
            if (c >= columns.size() || !columns[c].second) continue;
            const auto [kind, field] = columns[c];
            FieldValue value;
            if (ValueFromText(kind, *field, cell, value, error) && field->kind == FieldKind::Text)
                FUZZ_CHECK(value.text.size() < field->width);
        }
    }
    return 0;
}
