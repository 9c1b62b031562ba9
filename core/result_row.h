// One row of the result table: its columns, its cells and its state.
#pragma once

#include "core/text_primitives.h"

#include <array>
#include <string_view>

namespace quorrel {

// The columns of a result row, by index.
enum Column : int {
    idColumn,      // the row's 1-based number, as text
    typeColumn,    // the parameter name
    value1Column,  // the value of the first half of the pair entry
    value2Column,  // the value of any later half
    stateColumn,   // equalMark or differentMark
    columnCount
};

// The titles of the columns, in order.
inline constexpr std::array<std::string_view, columnCount> columnTitles = {"id", "type", "value1", "value2",
                                                                           "state"};

// The cells of one row, as the core's bytes, indexed by Column.
using ResultRow = std::array<Text, columnCount>;

// The two state marks, as GBK bytes: "√" (A1 CC) and "×" (A1 C1).
inline constexpr std::string_view equalMark = "\xA1\xCC";
inline constexpr std::string_view differentMark = "\xA1\xC1";

// Whether a row whose state cell holds `state` counts as equal: only one
// that shows "√" does, so a row that shows nothing does not.
[[nodiscard]] constexpr bool isEqualState(std::string_view state)
{
    return state == equalMark;
}

}  // namespace quorrel
