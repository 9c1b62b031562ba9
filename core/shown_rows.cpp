#include "core/shown_rows.h"

#include <algorithm>
#include <utility>

namespace quorrel {

ShownRows::ShownRows(RowWriter& target, const ShownRowOptions& shownRowOptions)
    : table(target),
      options(shownRowOptions)
{
}

void ShownRows::reserveRows(std::size_t count)
{
    table.reserveRows(count);
}

int ShownRows::appendRow()
{
    passOnPendingRow();
    rowPending = true;
    return ++pendingIndex;
}

void ShownRows::setCell(int row, int column, std::string_view text)
{
    if (rowPending && row == pendingIndex && column >= 0 && column < columnCount) {
        pending[static_cast<std::size_t>(column)] = text;
    }
}

void ShownRows::finish()
{
    passOnPendingRow();
}

void ShownRows::passOnPendingRow()
{
    if (!rowPending) {
        return;
    }
    rowPending = false;
    ResultRow row = std::exchange(pending, {});
    if (options.decodeCell && !row[stateColumn].empty()) {
        row[typeColumn] = options.decodeCell(row[typeColumn]).shown;
        DecodedCell value1 = options.decodeCell(row[value1Column]);
        DecodedCell value2 = options.decodeCell(row[value2Column]);
        row[stateColumn] = Text(value1.compared == value2.compared ? equalMark : differentMark);
        row[value1Column] = std::move(value1.shown);
        row[value2Column] = std::move(value2.shown);
    }
    const auto& ignored = options.ignoredNames;
    if (std::find(ignored.begin(), ignored.end(), row[typeColumn]) != ignored.end()
        || (options.onlyDifferences && isEqualState(row[stateColumn]))) {
        return;
    }
    const int shown = table.appendRow();
    for (int column = 0; column < columnCount; ++column) {
        if (!row[static_cast<std::size_t>(column)].empty()) {
            table.setCell(shown, column, row[static_cast<std::size_t>(column)]);
        }
    }
}

}  // namespace quorrel
