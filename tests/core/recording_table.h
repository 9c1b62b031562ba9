// A RowWriter that keeps its rows in memory, for looking at them in tests.
#pragma once

#include "row_writer.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quorrel {

using Row = std::array<std::string, 5>;

class RecordingTable : public RowWriter {
public:
    std::vector<Row> rows;

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
