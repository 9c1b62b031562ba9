// Generated parameter strings of the size users paste, for the benchmarks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quorrel::bench {

// `count` items "fieldNNNNNNN=value" joined by "&", about 26 bytes an item,
// in an order shuffled by `seed`. The names have a fixed width and the
// values hold no digits, so each name is found only in its own item. With
// `changeEvery` n > 0, the value of every n-th field differs from the one
// generated with `changeEvery` 0. With `gbk`, values are two-byte GBK
// characters instead of ASCII letters.
[[nodiscard]] std::string parameterString(std::size_t count, std::uint32_t seed, std::size_t changeEvery = 0,
                                          bool gbk = false);

}  // namespace quorrel::bench
