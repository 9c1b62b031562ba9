#include "bench/parameter_strings.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

namespace quorrel::bench {

std::string parameterString(std::size_t count, std::uint32_t seed, std::size_t changeEvery, bool gbk)
{
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::mt19937 shuffle(seed);
    std::shuffle(order.begin(), order.end(), shuffle);

    std::string text;
    text.reserve(count * 27);
    for (const std::size_t field : order) {
        if (!text.empty())
            text += '&';
        char name[24];
        std::snprintf(name, sizeof name, "field%07zu=", field);
        text += name;
        // The value depends on the field alone, so both sides agree on it.
        std::mt19937 value(static_cast<std::uint32_t>(field));
        const bool changed = changeEvery > 0 && field % changeEvery == 0;
        for (int i = 0; i < 12; i += gbk ? 2 : 1) {
            const auto pick = static_cast<int>(value() % 26) + (changed ? 1 : 0);
            if (gbk) {
                text += static_cast<char>(0xB0 + pick);
                text += static_cast<char>(0xA1 + pick);
            } else {
                text += static_cast<char>('a' + pick % 26);
            }
        }
    }
    return text;
}

}  // namespace quorrel::bench
