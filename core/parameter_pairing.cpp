#include "parameter_pairing.h"

#include "key_matcher.h"

#include <unordered_map>
#include <utility>
#include <vector>

namespace quorrel {
namespace {

// For each item of `first`, the index of the first item of `second` that
// contains its key at a character start, or KeyMatcher::noItem. An empty key
// is found in every item that is not empty.
std::vector<std::int32_t> findMatches(const TextList& first, const TextList& second)
{
    std::vector<std::string_view> distinctKeys;
    std::unordered_map<std::string_view, std::int32_t> keyIds;
    keyIds.reserve(first.size());
    std::vector<std::int32_t> keyIdOfItem;
    keyIdOfItem.reserve(first.size());
    for (std::string_view item : first) {
        // The key, as textBefore(item, "=", 0, false) gives it, without a copy.
        const std::int32_t equalsAt = findText(item, "=");
        const std::string_view key = item.substr(0, equalsAt > 0 ? std::size_t(equalsAt - 1) : 0);
        if (key.empty()) {
            keyIdOfItem.push_back(-1);
            continue;
        }
        const auto [found, added] = keyIds.try_emplace(key, std::int32_t(distinctKeys.size()));
        if (added)
            distinctKeys.push_back(key);
        keyIdOfItem.push_back(found->second);
    }

    const std::vector<std::int32_t> firstItemOfKey = KeyMatcher(distinctKeys).firstContainingItems(second);
    std::int32_t firstNonEmpty = KeyMatcher::noItem;
    for (std::size_t j = 0; j < second.size() && firstNonEmpty == KeyMatcher::noItem; ++j) {
        if (!second[j].empty())
            firstNonEmpty = std::int32_t(j);
    }

    std::vector<std::int32_t> matches;
    matches.reserve(first.size());
    for (std::int32_t keyId : keyIdOfItem)
        matches.push_back(keyId < 0 ? firstNonEmpty : firstItemOfKey[std::size_t(keyId)]);
    return matches;
}

}  // namespace

void pairParameters(ParseLists& lists, std::string_view firstText, std::string_view secondText,
                    std::string_view filterText)
{
    TextList& first = lists.firstList;
    TextList& second = lists.secondList;
    first = splitText(firstText, filterText);
    second = splitText(secondText, filterText);
    if (first.size() < second.size())
        std::swap(first, second);

    // An item's match does not depend on which items are taken, so all
    // matches are found first; taking them stays in the order of the items.
    const std::vector<std::int32_t> matches = findMatches(first, second);
    lists.pairList.reserve(first.size() + second.size(),
                           firstText.size() + secondText.size() + first.size() + second.size());
    std::vector<bool> used(second.size(), false);
    for (std::size_t i = 0; i < first.size(); ++i) {
        const std::int32_t j = matches[i];
        if (j == KeyMatcher::noItem) {
            lists.pairList.pushJoined({first[i], "*"});
        } else if (!used[std::size_t(j)]) {
            lists.pairList.pushJoined({first[i], "*", second[std::size_t(j)]});
            used[std::size_t(j)] = true;
        }
    }
    for (std::size_t k = 0; k < second.size(); ++k) {
        if (!used[k])
            lists.pairList.pushJoined({"*", second[k]});
    }

    first.clear();
    second.clear();
}

}  // namespace quorrel
