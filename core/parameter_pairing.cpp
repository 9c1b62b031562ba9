#include "core/parameter_pairing.h"

#include "core/key_matcher.h"

#include <string_view>
#include <utility>
#include <vector>

namespace quorrel {
namespace {

// For each item of `first`, the index of the first item of `second` that
// contains its key at a character start, or KeyMatcher::noItem. An empty key
// is found in every item that is not empty.
std::vector<std::int32_t> findMatches(const std::vector<std::string_view>& first,
                                      const std::vector<std::string_view>& second)
{
    std::vector<std::string_view> keys;
    std::vector<bool> hasKey;
    keys.reserve(first.size());
    hasKey.reserve(first.size());
    for (std::string_view item : first) {
        // The key, as textBefore(item, keySeparator, 0, false) gives it,
        // without a copy.
        const std::int32_t equalsAt = findText(item, keySeparator);
        hasKey.push_back(equalsAt > 1);
        if (hasKey.back())
            keys.push_back(item.substr(0, std::size_t(equalsAt - 1)));
    }
    const std::vector<std::int32_t> firstItemOfKey = KeyMatcher(keys).firstContainingItems(second);

    std::int32_t firstNonEmpty = KeyMatcher::noItem;
    for (std::size_t j = 0; j < second.size() && firstNonEmpty == KeyMatcher::noItem; ++j) {
        if (!second[j].empty())
            firstNonEmpty = std::int32_t(j);
    }

    std::vector<std::int32_t> matches;
    matches.reserve(first.size());
    std::size_t k = 0;
    for (const bool withKey : hasKey)
        matches.push_back(withKey ? firstItemOfKey[k++] : firstNonEmpty);
    return matches;
}

// The items splitText(text, filterText) gives, as views into `text`.
std::vector<std::string_view> itemsOf(std::string_view text, std::string_view filterText)
{
    std::vector<std::string_view> items;
    forEachPiece(text, filterText, [&items](std::string_view item) {
        items.push_back(item);
        return true;
    });
    return items;
}

}  // namespace

void pairParameters(ParseLists& lists, std::string_view firstText, std::string_view secondText,
                    std::string_view filterText)
{
    std::vector<std::string_view> firstList = itemsOf(firstText, filterText);
    std::vector<std::string_view> secondList = itemsOf(secondText, filterText);
    if (firstList.size() < secondList.size())
        std::swap(firstList, secondList);

    // An item's match does not depend on which items are taken, so all
    // matches are found first; taking them stays in the order of the items.
    const std::vector<std::int32_t> matches = findMatches(firstList, secondList);
    lists.pairList.reserve(firstList.size() + secondList.size(),
                           firstText.size() + secondText.size() + firstList.size() + secondList.size());
    std::vector<bool> used(secondList.size(), false);
    for (std::size_t i = 0; i < firstList.size(); ++i) {
        const std::int32_t j = matches[i];
        if (j == KeyMatcher::noItem) {
            lists.pairList.pushJoined({firstList[i], pairJoiner});
        } else if (!used[std::size_t(j)]) {
            lists.pairList.pushJoined({firstList[i], pairJoiner, secondList[std::size_t(j)]});
            used[std::size_t(j)] = true;
        }
    }
    for (std::size_t k = 0; k < secondList.size(); ++k) {
        if (!used[k])
            lists.pairList.pushJoined({pairJoiner, secondList[k]});
    }
}

}  // namespace quorrel
