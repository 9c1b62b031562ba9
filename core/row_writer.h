// The table that result rows are written to.
#pragma once

#include <cstddef>
#include <string_view>

namespace quorrel {

// Written by fillResultRows: the window's table model, and the row
// collectors of the command line, the tests and the benchmarks.
class RowWriter {
public:
    // Told, before the rows of a parse are appended, how many there will be
    // at most, so that room for them can be made at once.
    virtual void reserveRows([[maybe_unused]] std::size_t count) {}
    // Adds a row of five empty cells at the end and returns its 0-based index,
    // or -1 when the row is refused.
    virtual int appendRow() = 0;
    // Replaces the text of a cell with a copy of `text`; `column` is a
    // Column (core/result_row.h). A row or column that does not exist
    // changes nothing.
    virtual void setCell(int row, int column, std::string_view text) = 0;

protected:
    ~RowWriter() = default;
};

}  // namespace quorrel
