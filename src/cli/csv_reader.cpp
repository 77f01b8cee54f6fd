#include "csv_reader.h"

#include <algorithm>

namespace trailcfg::cli {

namespace {

class CsvScanner {
public:
    explicit CsvScanner(std::string_view text) : text_(text) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    std::size_t Line() const { return line_; }

    // One record; false with `error` set on malformed quoting.
    bool ReadRow(CsvRow& row, std::string& error) {
        row.line = line_;
        row.cells.clear();
        std::string cell;
        for (;;) {
            if (!ReadCell(cell, error)) return false;
            row.cells.push_back(std::move(cell));
            cell.clear();
            if (AtEnd()) return true;
            const char c = text_[pos_];
            if (c == ',') {
                Advance();
                continue;
            }
            EndLine();
            return true;
        }
    }

    // An empty line holds no record.
    bool AtEmptyLine() const {
        return pos_ < text_.size() &&
               (text_[pos_] == '\n' || (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n'));
    }
    void EndLine() {
        if (pos_ < text_.size() && text_[pos_] == '\r') Advance();
        if (pos_ < text_.size() && text_[pos_] == '\n') Advance();
    }

private:
    std::string Where() const { return "line " + std::to_string(line_) + ", column " + std::to_string(column_); }

    void Advance() {
        const char c = text_[pos_++];
        if (c == '\n') {
            ++line_;
            column_ = 1;
        } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++column_;
        }
    }

    bool AtLineEnd() const {
        return text_[pos_] == '\n' || (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n');
    }

    bool ReadCell(std::string& cell, std::string& error) {
        if (pos_ < text_.size() && text_[pos_] == '"') return ReadQuoted(cell, error);
        while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) {
            if (text_[pos_] == '"') {
                error = Where() +
                        ": a quote inside a cell that does not start with one (write the cell in "
                        "quotes and double the quote)";
                return false;
            }
            if (text_[pos_] == '\r') {
                error = Where() + ": a lone carriage return outside quotes";
                return false;
            }
            cell += text_[pos_];
            Advance();
        }
        return true;
    }

    bool ReadQuoted(std::string& cell, std::string& error) {
        const std::string opened = Where();
        Advance();
        for (;;) {
            if (pos_ >= text_.size()) {
                error = opened + ": the quote opened here is never closed";
                return false;
            }
            const char c = text_[pos_];
            if (c == '"') {
                Advance();
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    cell += '"';
                    Advance();
                    continue;
                }
                if (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) {
                    error = Where() + ": after a closing quote a comma or the end of the line is needed";
                    return false;
                }
                return true;
            }
            cell += c;
            Advance();
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    std::size_t column_ = 1;
};

}  // namespace

bool ReadCsv(std::string_view text, CsvTable& out, std::string& error) {
    out = CsvTable{};
    CsvScanner scanner(text);
    bool haveHeader = false;
    while (!scanner.AtEnd()) {
        if (scanner.AtEmptyLine()) {
            scanner.EndLine();
            continue;
        }
        CsvRow row;
        if (!scanner.ReadRow(row, error)) return false;
        // Spreadsheets end a table with rows of empty cells (",,") where
        // cells were once formatted or cleared: no camera is meant there.
        if (std::all_of(row.cells.begin(), row.cells.end(), [](const std::string& c) { return c.empty(); })) continue;
        if (!haveHeader) {
            out.header = std::move(row);
            haveHeader = true;
        } else {
            out.rows.push_back(std::move(row));
        }
    }
    if (!haveHeader) {
        error = "line 1, column 1: no header row (\"name,<field>,<field>,...\")";
        return false;
    }
    return true;
}

}  // namespace trailcfg::cli
