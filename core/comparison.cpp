#include "core/comparison.h"

#include "core/result_rows.h"

namespace quorrel {

void compareParameters(ParseLists& lists, std::string_view firstText, std::string_view secondText,
                       std::string_view filterText, RowWriter& table)
{
    pairParameters(lists, firstText, secondText, filterText);
    fillResultRows(lists.pairList, table);
    lists.pairList.clear();
}

}  // namespace quorrel
