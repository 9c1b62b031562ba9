// What a comparison shows of the rows it makes: decoded names and values,
// rows left out by name, only the rows that differ.
#pragma once

#include "core/result_row.h"
#include "core/row_writer.h"

#include <functional>
#include <string_view>
#include <vector>

namespace quorrel {

// A name or value as it is shown, and the bytes it is compared by.
struct DecodedCell {
    Text shown;
    Text compared;
};

// The choices of ShownRows. The pairing and the ids never change with them;
// only the cells and which rows reach the table do.
struct ShownRowOptions {
    // Decodes every name and value; a row's state then says whether the two
    // values' compared bytes are equal. Empty: cells stay as they are.
    std::function<DecodedCell(std::string_view)> decodeCell;
    // Rows whose shown name is one of these, exactly, are left out.
    std::vector<Text> ignoredNames;
    // Rows that show "√" are left out.
    bool onlyDifferences = false;

    // Whether every row reaches the table as fillResultRows writes it.
    [[nodiscard]] bool showEveryRowAsItIs() const
    {
        return !decodeCell && ignoredNames.empty() && !onlyDifferences;
    }
};

// A RowWriter in front of `table` that takes each row whole, then passes it
// on as `options` say, or leaves it out. A row that shows nothing (no state)
// is passed on empty, never decoded. Call finish() after the last row.
class ShownRows final : public RowWriter {
public:
    ShownRows(RowWriter& table, const ShownRowOptions& options);

    void reserveRows(std::size_t count) override;
    int appendRow() override;
    void setCell(int row, int column, std::string_view text) override;
    // Passes on the last row.
    void finish();

private:
    void passOnPendingRow();

    RowWriter& table;
    const ShownRowOptions& options;
    ResultRow pending;
    int pendingIndex = -1;
    bool rowPending = false;
};

}  // namespace quorrel
