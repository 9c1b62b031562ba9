// A second, deliberately literal implementation of the pairing and the row
// rules, written one loop per step with its own byte scans, so that the
// real implementation can be checked against it on random inputs.
#pragma once

#include "core/result_row.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorrel::literal {

// The pair entries for two parameter strings and a filter text.
std::vector<std::string> pairEntries(std::string_view firstText, std::string_view secondText,
                                     std::string_view filterText);

// The rows that the pair entries give, five cells each.
std::vector<ResultRow> rowsFor(const std::vector<std::string>& pairEntries);

}  // namespace quorrel::literal
