// Result rows kept in memory.
#pragma once

#include "core/result_row.h"
#include "core/row_writer.h"

#include <vector>

namespace quorrel {

// A RowWriter that never refuses a row and keeps every row it is given.
class CollectedRows : public RowWriter {
public:
    std::vector<ResultRow> rows;

    void reserveRows(std::size_t count) override { rows.reserve(rows.size() + count); }

    int appendRow() override
    {
        rows.emplace_back();
        return static_cast<int>(rows.size()) - 1;
    }

    void setCell(int row, int column, std::string_view text) override
    {
        if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0 || column >= columnCount)
            return;
        rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    }
};

}  // namespace quorrel
