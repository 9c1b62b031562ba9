// Turning pair entries into result table rows.
#pragma once

#include "core/result_row.h"
#include "core/row_writer.h"
#include "core/text_list.h"

namespace quorrel {

// Writes the rows that a parse shows, one per entry of `pairList`, in order,
// to a table emptied beforehand. Each entry is cut at the pair joiner into
// halves and each half at the key separator; a half of exactly name and
// value is shown: it writes the id (row index + 1), the name, its value
// (value1Column for the first half, value2Column for any later one) and the
// state of value1 against value2. So the name of the last shown half stays,
// a single shown half reads "×" unless its value is empty, and a row with no
// shown half stays empty while keeping its number.
void fillResultRows(const TextList& pairList, RowWriter& table);

}  // namespace quorrel
