// The fast pairing and the row builder against the literal pairing and rows
// kept with the tests: any difference in the pair entries or in the rows,
// or a list left filled, stops the fuzzer.
//
// Input: filter text NUL first string NUL second string.
#include "core/collected_rows.h"
#include "core/parameter_pairing.h"
#include "core/result_rows.h"
#include "fuzz/nul_separated_fields.h"
#include "tests/literal_reference/literal_reference.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorrel;
    const auto [filter, first, second] = fuzz::nulSeparatedFields<3>(data, size);

    ParseLists lists;
    pairParameters(lists, first, second, filter);
    const std::vector<std::string> entries(lists.pairList.begin(), lists.pairList.end());
    if (entries != literal::pairEntries(first, second, filter))
        __builtin_trap();

    CollectedRows table;
    fillResultRows(lists.pairList, table);
    if (table.rows != literal::rowsFor(entries))
        __builtin_trap();
    return 0;
}
