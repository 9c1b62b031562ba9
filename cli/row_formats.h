// The three ways quorrel-cli prints result rows.
#pragma once

#include "cli/command_line.h"
#include "core/result_row.h"

#include <string>
#include <vector>

namespace quorrel::cli {

// A header line and one line per row, the columns aligned for a terminal
// with wide characters counted as two columns. Cells are escaped as in
// formatTsv, and any other control byte shows as \xHH, so no cell can break
// a line or send a control sequence to the terminal. Trailing empty cells
// leave no padding, so a fully empty row prints as an empty line.
[[nodiscard]] std::string formatTable(const std::vector<ResultRow>& rows, Encoding encoding);

// The line "id\ttype\tvalue1\tvalue2\tstate", then one line per row with the
// five cells separated by tabs. Inside a cell a backslash, tab, carriage
// return or line feed is written as \\, \t, \r or \n. With gbk a backslash
// is escaped only where it is a character of its own, not the second byte
// of one such as 81 5C, so undo the escapes stepping through characters.
[[nodiscard]] std::string formatTsv(const std::vector<ResultRow>& rows, Encoding encoding);

// A JSON array with one object per row, members "id", "type", "value1",
// "value2" and "state" in that order, all strings. Always UTF-8: cells are
// decoded from GB18030, bytes that form no character as U+FFFD.
[[nodiscard]] std::string formatJson(const std::vector<ResultRow>& rows);

}  // namespace quorrel::cli
