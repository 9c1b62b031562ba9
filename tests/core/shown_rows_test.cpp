#include "core/shown_rows.h"

#include "core/collected_rows.h"
#include "core/comparison.h"
#include "core/request_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorrel {
namespace {

const Text equal(equalMark);
const Text different(differentMark);

// Shows and compares the percent-decoded bytes.
DecodedCell percent(std::string_view cell)
{
    const Text decoded = percentDecoded(cell);
    return {decoded, decoded};
}

// Shows upper case but compares the bytes as they are, and shows an empty
// cell as "?", which a row that shows nothing must never get.
DecodedCell upperShownRawCompared(std::string_view cell)
{
    Text shown = cell.empty() ? Text("?") : Text(cell);
    for (char& c : shown) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return {shown, Text(cell)};
}

TEST(ShownRows, DecodeIgnoreAndOnlyDifferences)
{
    const struct {
        const char* name;
        const char* first;
        const char* second;
        ShownRowOptions options;
        std::vector<ResultRow> rows;
    } cases[] = {
        {"every-row-as-it-is", "a=1&b=2", "a=1&b=3", {},
         {{"1", "a", "1", "1", equal}, {"2", "b", "2", "3", different}}},
        {"decoded-values-compared", "a=%41&b=1", "a=A&b=2", {percent, {}, false},
         {{"1", "a", "A", "A", equal}, {"2", "b", "1", "2", different}}},
        {"state-from-compared-bytes", "k=x", "k=X", {upperShownRawCompared, {}, false},
         {{"1", "K", "X", "X", different}}},
        {"empty-row-not-decoded", "a=1&x=", "a=1", {upperShownRawCompared, {}, false},
         {{"1", "A", "1", "1", equal}, {}}},
        {"ignored-names-keep-other-ids", "a=1&b=2&c=3", "a=1&b=3&c=4", {{}, {"b", "a"}, false},
         {{"3", "c", "3", "4", different}}},
        {"ignore-matches-the-shown-name", "id=5&a=1", "userid=6&a=1", {{}, {"userid"}, false},
         {{"2", "a", "1", "1", equal}}},
        {"ignore-decoded-name", "%62=1&a=1", "b=2&a=1", {percent, {"b"}, false}, {{"2", "a", "1", "1", equal}}},
        {"only-differences", "a=1&b=2&x=", "a=1&b=3", {{}, {}, true}, {{"2", "b", "2", "3", different}, {}}},
        {"only-differences-after-decoding", "a=%41&b=1", "a=A&b=2", {percent, {}, true},
         {{"2", "b", "1", "2", different}}},
        {"nothing-left", "a=1", "a=1", {{}, {}, true}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParseLists lists;
        CollectedRows table;
        compareParameters(lists, c.first, c.second, defaultFilter, table, c.options);
        EXPECT_EQ(table.rows, c.rows);
    }
}

}  // namespace
}  // namespace quorrel
