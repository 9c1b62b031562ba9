// Random inputs through pairParameters and fillResultRows, checked against
// the literal reference.
#include "core/collected_rows.h"
#include "core/parameter_pairing.h"
#include "core/result_rows.h"
#include "tests/literal_reference/literal_reference.h"

#include <gtest/gtest.h>

#include <random>

namespace quorrel {
namespace {

// Bytes that matter to the rules: the separators, a few letters, and first
// bytes followed by second bytes that look like ASCII.
constexpr std::string_view manyLetters = "&&&===**abcAB~@\\|0";
// Few letters: keys overlap and nest, as "a", "ab" and "bab" do.
constexpr std::string_view fewLetters = "&&&&==abbab";

char pick(std::mt19937& random, std::string_view bytes)
{
    return bytes[random() % bytes.size()];
}

// Two-byte characters, some with a digit as second byte, and four bytes in
// the shape of a four-byte character (or nearly, with 80 or FF), cut short
// where the text ends.
std::string randomText(std::mt19937& random, std::size_t maxLength, std::string_view ascii = manyLetters)
{
    static constexpr std::string_view firstBytes = "\x80\x81\x81\xA1\xFE\xFF";
    static constexpr std::string_view secondBytes = "&=*abAB~@\\|00\x81\xA1\xFE";
    const std::size_t n = std::uniform_int_distribution<std::size_t>(0, maxLength)(random);
    std::uniform_int_distribution<int> kind(0, 9);
    std::string text;
    while (text.size() < n) {
        const int k = kind(random);
        if (k < 2)
            text += {pick(random, firstBytes), pick(random, secondBytes)};
        else if (k == 2)
            text += {pick(random, firstBytes), pick(random, "01"), pick(random, firstBytes), pick(random, "01")};
        else
            text += pick(random, ascii);
    }
    text.resize(n);
    return text;
}

TEST(PairingDifferential, MatchesLiteralReference)
{
    const std::string_view filters[] = {"&", "&", "&", "", "&&", "~", "a", "\x81~", "=", "*", "\x81" "0", "\x81" "0\x81" "0"};
    std::mt19937 random(20261211);
    for (int round = 0; round < 30000; ++round) {
        const bool longInputs = round % 3 == 0;
        const std::string_view letters = round % 2 == 0 ? manyLetters : fewLetters;
        const std::string first = randomText(random, longInputs ? 300 : 40, letters);
        const std::string second = randomText(random, longInputs ? 300 : 40, letters);
        const std::string_view filter = filters[round % std::size(filters)];

        ParseLists lists;
        pairParameters(lists, first, second, filter);
        const std::vector<std::string> expectedEntries = literal::pairEntries(first, second, filter);
        const std::vector<std::string> entries(lists.pairList.begin(), lists.pairList.end());
        ASSERT_EQ(entries, expectedEntries) << "first=" << first << " second=" << second
                                                  << " filter=" << filter;

        CollectedRows table;
        fillResultRows(lists.pairList, table);
        ASSERT_EQ(table.rows, literal::rowsFor(expectedEntries)) << "first=" << first << " second=" << second;
    }
}

}  // namespace
}  // namespace quorrel
