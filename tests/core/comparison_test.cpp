#include "core/collected_rows.h"
#include "core/comparison.h"

#include <gtest/gtest.h>

namespace quorrel {
namespace {

const std::string eq(equalMark);
const std::string ne(differentMark);

struct ComparisonCase {
    const char* name;
    std::string_view first;
    std::string_view second;
    std::string_view filter;
    std::vector<ResultRow> expected;
};

TEST(CompareParameters, InputsToRows)
{
    const ComparisonCase cases[] = {
        {"one-differs", "a=1&b=2", "a=1&b=3", "&", {{"1", "a", "1", "1", eq}, {"2", "b", "2", "3", ne}}},
        {"second-longer", "a=1&b=5", "a=1&b=2&c=3", "&",
         {{"1", "a", "1", "1", eq}, {"2", "b", "2", "5", ne}, {"3", "c", "3", "", ne}}},
        {"dropped-duplicate", "a=1&a=2", "a=1", "&", {{"1", "a", "1", "1", eq}}},
        {"empty-key", "x&b=2", "b=2&c=3", "&", {{"1", "b", "", "2", ne}, {"2", "c", "", "3", ne}}},
        {"empty-filter", "a=1&b=2", "a=1&b=2", "", {{"", "", "", "", ""}}},
        {"empty-filter-single", "a=1", "a=2", "", {{"1", "a", "1", "2", ne}}},
        {"empty-value-rows", "a=&b=1", "a=&b=1", "&", {{"", "", "", "", ""}, {"2", "b", "1", "1", eq}}},
        {"chinese-names", "\xD0\xD5\xC3\xFB=\xD5\xC5\xC8\xFD", "\xD0\xD5\xC3\xFB=\xC0\xEE\xCB\xC4", "&",
         {{"1", "\xD0\xD5\xC3\xFB", "\xD5\xC5\xC8\xFD", "\xC0\xEE\xCB\xC4", ne}}},
        {"both-empty", "", "", "&", {}},
    };
    for (const ComparisonCase& c : cases) {
        SCOPED_TRACE(c.name);
        ParseLists lists;
        CollectedRows table;
        compareParameters(lists, c.first, c.second, c.filter, table);
        EXPECT_EQ(table.rows, c.expected);
        EXPECT_TRUE(lists.pairList.empty());
    }
}

}  // namespace
}  // namespace quorrel
