// Pairing the items of two parameter strings by name.
#pragma once

#include "core/text_primitives.h"

#include <string_view>

namespace quorrel {

// The lists one parse works on. They are empty between two parses.
struct ParseLists {
    TextList firstList;   // items of the longer side
    TextList secondList;  // items of the shorter side
    TextList pairList;    // pair entries, in the order the rows show them
};

// Splits both strings at `filterText` and appends one entry to
// `lists.pairList` per row to show: "item*item" for a pair, "item*" for an
// item of the longer side with no match, "*item" for an item of the shorter
// side that nothing took. The side with more items counts as the first.
// An item's key is its bytes before the first "="; the match is the first
// item of the other side that contains the key at a character start, so the
// key "id" matches "userid=7" and an empty key matches the first non-empty
// item. When that match is already taken the item is dropped. First and
// second list are left empty.
void pairParameters(ParseLists& lists, std::string_view firstText, std::string_view secondText,
                    std::string_view filterText);

}  // namespace quorrel
