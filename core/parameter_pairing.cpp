#include "parameter_pairing.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quorrel {

void pairParameters(ParseLists& lists, std::string_view firstText, std::string_view secondText,
                    std::string_view filterText)
{
    TextList& first = lists.firstList;
    TextList& second = lists.secondList;
    first = splitText(firstText, filterText);
    second = splitText(secondText, filterText);
    if (first.size() < second.size())
        std::swap(first, second);

    std::vector<bool> used(second.size(), false);
    for (const Text& item : first) {
        const Text key = textBefore(item, "=", 0, false);
        const auto match = std::find_if(second.begin(), second.end(),
                                        [&](const Text& other) { return findText(other, key) != -1; });
        if (match == second.end()) {
            lists.pairList.push_back(joinTexts({item, "*"}));
            continue;
        }
        const auto j = static_cast<std::size_t>(match - second.begin());
        if (used[j])
            continue;
        lists.pairList.push_back(joinTexts({item, "*", *match}));
        used[j] = true;
    }
    for (std::size_t k = 0; k < second.size(); ++k) {
        if (!used[k])
            lists.pairList.push_back(joinTexts({"*", second[k]}));
    }

    first.clear();
    second.clear();
}

}  // namespace quorrel
