// The comparison that the window and quorrel-cli both run: two parameter
// strings and a filter text in, result rows out.
#pragma once

#include "core/parameter_pairing.h"
#include "core/row_writer.h"
#include "core/shown_rows.h"

#include <string_view>

namespace quorrel {

// The filter text until the user gives another.
inline constexpr std::string_view defaultFilter = "&";

// Pairs the items of `firstText` and `secondText`, cut at `filterText`
// (pairParameters), writes one row per pair entry to `table`
// (fillResultRows), decoded or left out as `options` say (ShownRows), and
// leaves the lists empty. The table is not emptied first.
void compareParameters(ParseLists& lists, std::string_view firstText, std::string_view secondText,
                       std::string_view filterText, RowWriter& table, const ShownRowOptions& options = {});

}  // namespace quorrel
