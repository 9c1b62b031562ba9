#include "core/comparison.h"

#include "core/result_rows.h"

namespace quorrel {

void compareParameters(ParseLists& lists, std::string_view firstText, std::string_view secondText,
                       std::string_view filterText, RowWriter& table, const ShownRowOptions& options)
{
    pairParameters(lists, firstText, secondText, filterText);
    if (options.showEveryRowAsItIs()) {
        fillResultRows(lists.pairList, table);
    } else {
        ShownRows shown(table, options);
        fillResultRows(lists.pairList, shown);
        shown.finish();
    }
    lists.pairList.clear();
}

}  // namespace quorrel
