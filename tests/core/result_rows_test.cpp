#include "core/collected_rows.h"
#include "core/result_rows.h"

#include <gtest/gtest.h>

namespace quorrel {
namespace {

const std::string eq(equalMark);
const std::string ne(differentMark);

struct RowsCase {
    const char* name;
    TextList pairList;
    std::vector<ResultRow> expected;
};

TEST(FillResultRows, OneRowPerEntry)
{
    const RowsCase cases[] = {
        {"pair-equal", {"a=1*a=1"}, {{"1", "a", "1", "1", eq}}},
        {"pair-different-second", {"a=1*a=1", "b=2*b=5"}, {{"1", "a", "1", "1", eq}, {"2", "b", "2", "5", ne}}},
        {"first-alone", {"c=3*"}, {{"1", "c", "3", "", ne}}},
        {"second-alone", {"*c=3"}, {{"1", "c", "", "3", ne}}},
        {"empty-value-alone", {"a==*"}, {{"1", "a", "", "", eq}}},
        {"empty-value-against-value", {"a==*a=1"}, {{"1", "a", "", "1", ne}}},
        {"empty-names", {"=1*=1"}, {{"1", "", "1", "1", eq}}},
        {"last-shown-name", {"id=5*userid=5"}, {{"1", "userid", "5", "5", eq}}},
        {"first-half-not-shown", {"x*b=2"}, {{"1", "b", "", "2", ne}}},
        {"empty-row-keeps-number", {"a=*", "b=2*b=2"}, {{"", "", "", "", ""}, {"2", "b", "2", "2", eq}}},
        {"value-with-equals-not-shown", {"a=b=c*a=b=c"}, {{"", "", "", "", ""}}},
        {"value-with-star-makes-halves", {"a=x*y*a=x*y"}, {{"1", "a", "x", "x", eq}}},
        {"later-half-overwrites", {"a=1*b=2*c=1"}, {{"1", "c", "1", "1", eq}}},
        {"case-differs", {"A=1*", "*a=1"}, {{"1", "A", "1", "", ne}, {"2", "a", "", "1", ne}}},
        {"bare-star", {"*"}, {{"", "", "", "", ""}}},
        {"empty-entry", {""}, {{"", "", "", "", ""}}},
        {"two-byte-text", {"\xD6\xD0=\xCE\xC4*\xD6\xD0=\xCE\xC4"}, {{"1", "\xD6\xD0", "\xCE\xC4", "\xCE\xC4", eq}}},
        {"no-entries", {}, {}},
    };
    for (const RowsCase& c : cases) {
        SCOPED_TRACE(c.name);
        CollectedRows table;
        fillResultRows(c.pairList, table);
        EXPECT_EQ(table.rows, c.expected);
    }
}

// A table that refuses its second row: that entry is not shown and the
// others keep their numbers.
class RefusingTable : public CollectedRows {
public:
    int appendRow() override
    {
        if (++calls == 2)
            return -1;
        return CollectedRows::appendRow();
    }
    int calls = 0;
};

TEST(FillResultRows, RefusedRowIsSkipped)
{
    RefusingTable table;
    fillResultRows({"a=1*a=1", "b=2*b=3", "c=3*c=3"}, table);
    const std::vector<ResultRow> expected = {{"1", "a", "1", "1", eq}, {"2", "c", "3", "3", eq}};
    EXPECT_EQ(table.rows, expected);
}

}  // namespace
}  // namespace quorrel
