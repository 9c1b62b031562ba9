// Only the state of each result row, for when nothing is printed.
#pragma once

#include "core/result_row.h"
#include "core/row_writer.h"

#include <algorithm>
#include <vector>

namespace quorrel::cli {

// A RowWriter that never refuses a row and remembers of each row only
// whether its state counts as equal; the other cells are dropped.
class RowStates : public RowWriter {
public:
    void reserveRows(std::size_t count) override { equal_.reserve(equal_.size() + count); }

    int appendRow() override
    {
        equal_.push_back(false);
        return static_cast<int>(equal_.size()) - 1;
    }

    void setCell(int row, int column, std::string_view text) override
    {
        if (row >= 0 && row < static_cast<int>(equal_.size()) && column == stateColumn)
            equal_[static_cast<std::size_t>(row)] = isEqualState(text);
    }

    // True when every row shows "√", and when there are no rows.
    [[nodiscard]] bool allEqual() const { return std::all_of(equal_.begin(), equal_.end(), [](bool e) { return e; }); }

private:
    std::vector<bool> equal_;
};

}  // namespace quorrel::cli
