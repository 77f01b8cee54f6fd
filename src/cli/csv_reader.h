// The cameras' table for `batch`: comma-separated values as spreadsheets
// write them (RFC 4180): a header row, then one row per camera; cells in
// double quotes may hold commas, line breaks and doubled quotes. UTF-8, with
// or without a byte-order mark; lines end in LF or CRLF; empty lines and rows
// whose cells are all empty are skipped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trailcfg::cli {

struct CsvRow {
    std::size_t line;  // where the row starts, from 1
    std::vector<std::string> cells;
};

struct CsvTable {
    CsvRow header;
    std::vector<CsvRow> rows;
};

// False with "line L, column C: ..." in `error` when the text is not CSV (a
// stray or unclosed quote) or has no header. Rows with another number of
// cells than the header are kept; the caller reports them as rows.
bool ReadCsv(std::string_view text, CsvTable& out, std::string& error);

}  // namespace trailcfg::cli
