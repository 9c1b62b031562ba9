// Result rows kept in memory.
#pragma once

#include "core/row_writer.h"
#include "core/text_primitives.h"

#include <array>
#include <vector>

namespace quorrel {

// id, type, value1, value2 and state, as the core's bytes.
using ResultRow = std::array<Text, 5>;

// A RowWriter that never refuses a row and keeps every row it is given.
class CollectedRows : public RowWriter {
public:
    std::vector<ResultRow> rows;

    int appendRow() override
    {
        rows.emplace_back();
        return static_cast<int>(rows.size()) - 1;
    }

    void setCell(int row, int column, std::string_view text) override
    {
        if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0 || column > 4)
            return;
        rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    }
};

}  // namespace quorrel
