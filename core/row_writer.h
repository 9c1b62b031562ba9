// The table that result rows are written to.
#pragma once

#include <string_view>

namespace quorrel {

class RowWriter {
public:
    // Adds a row of five empty cells at the end and returns its 0-based index,
    // or -1 when the row is refused.
    virtual int appendRow() = 0;
    // Replaces the text of a cell with a copy of `text`. A row or column
    // (0 to 4) that does not exist changes nothing.
    virtual void setCell(int row, int column, std::string_view text) = 0;

protected:
    ~RowWriter() = default;
};

}  // namespace quorrel
