// Turning pair entries into result table rows.
#pragma once

#include "core/row_writer.h"
#include "core/text_primitives.h"

#include <array>
#include <string_view>

namespace quorrel {

// The titles of the five columns, in order.
inline constexpr std::array<std::string_view, 5> columnTitles = {"id", "type", "value1", "value2", "state"};

// The two state marks, as GBK bytes: "√" (A1 CC) and "×" (A1 C1).
inline constexpr std::string_view equalMark = "\xA1\xCC";
inline constexpr std::string_view differentMark = "\xA1\xC1";

// Appends one row per entry of `pairList`, in order. Each entry is cut at "*"
// into halves and each half at "="; a half of exactly name and value is shown:
// it writes the id (row index + 1), the name, its value (column 2 for the
// first half, column 3 for any later one) and the state of value1 against
// value2. So the name of the last shown half stays, a single shown half reads
// "×" unless its value is empty, and a row with no shown half stays empty
// while keeping its number.
void fillResultRows(const TextList& pairList, RowWriter& table);

}  // namespace quorrel
