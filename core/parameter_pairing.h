// Pairing the items of two parameter strings by name.
#pragma once

#include "core/text_primitives.h"

#include <string_view>

namespace quorrel {

// Between an item's name (its key) and its value.
inline constexpr std::string_view keySeparator = "=";
// Between the two items of a pair entry.
inline constexpr std::string_view pairJoiner = "*";

// The lists one parse works on. They are empty between two parses. The
// items of the two strings (firstList and secondList) are views that live
// only while pairParameters runs.
struct ParseLists {
    TextList pairList;  // pair entries, in the order the rows show them
};

// Fills `lists.pairList` with the pair entries of a parse: splits both
// strings at `filterText` and appends one entry per row to show, "item*item"
// for a pair, "item*" for an item of the longer side with no match, "*item"
// for an item of the shorter side that nothing took. The side with more
// items counts as the first. An item's key is its bytes before the first
// "=" at a character start; its match is the first item of the other side
// that contains the key at a character start, so the key "id" matches
// "userid=7" and an empty key matches the first non-empty item. When that
// match is already taken the item is dropped. The items are views into the
// two strings; only the pair entries are copies.
void pairParameters(ParseLists& lists, std::string_view firstText, std::string_view secondText,
                    std::string_view filterText);

}  // namespace quorrel
