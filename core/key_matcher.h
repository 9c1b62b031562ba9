// Finding, for many keys at once, the first item of a list that contains
// each key at a character start.
#pragma once

#include "core/text_primitives.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorrel {

// An Aho-Corasick automaton over the keys, with double-byte characters as
// single symbols so that a key is found only where findText would find it:
// at a character start of the item, counted from the item's first byte.
class KeyMatcher {
public:
    static constexpr std::int32_t noItem = -1;

    // `keys` may repeat but must not be empty; each is a whole number of
    // characters, as the bytes before a character-start "=" always are.
    explicit KeyMatcher(const std::vector<std::string_view>& keys);

    // For each key, the 0-based index of the first item of `items` that
    // contains it at a character start, or noItem. Stops reading items once
    // every key is found.
    [[nodiscard]] std::vector<std::int32_t> firstContainingItems(const TextList& items) const;

private:
    struct State {
        std::int32_t fail = 0;           // longest proper suffix that is a trie path
        bool endsKey = false;
        std::int32_t nextWithKey = -1;   // nearest state down the fail chain that ends a key
        std::uint32_t firstEdge = 0;     // this state's edges in edgeSymbols/edgeTargets
        std::uint32_t edgeCount = 0;
    };

    // The trie of the keys, its edges grouped by state.
    void buildTrie(const std::vector<std::string_view>& keys);
    // Fail links, key chains and the table of ASCII steps.
    void linkStates();
    // The child of `state` for `symbol`, or -1.
    [[nodiscard]] std::int32_t child(std::int32_t state, std::uint32_t symbol) const;
    // The state after `symbol`: the child, else the child of the nearest fail
    // target that has one, else the root.
    [[nodiscard]] std::int32_t next(std::int32_t state, std::uint32_t symbol) const;

    // Steps through the ASCII bytes from `byte` with the table, up to the
    // first two-byte character, the end, or a state where a key ends.
    const unsigned char* followAscii(const unsigned char* byte, const unsigned char* end,
                                     std::int32_t& state) const;

    [[nodiscard]] std::size_t rowOf(std::int32_t state) const { return std::size_t(state) << rowShift_; }
    [[nodiscard]] std::int32_t stateOfStep(std::int32_t step) const { return (step < 0 ? ~step : step) >> rowShift_; }

    // Above this many entries (16 MiB) there is no table, and every step
    // goes through child() and the fail links.
    static constexpr std::size_t maxAsciiSteps = std::size_t{1} << 22;

    std::vector<std::int32_t> keyStates_;       // the state where each key ends
    std::size_t keyStateCount_ = 0;             // states where keys end
    std::vector<State> states_;                 // 0 is the root
    std::vector<std::int32_t> rootTargets_;     // child of the root for every symbol, or -1
    std::vector<std::uint32_t> edgeSymbols_;    // sorted within each state
    std::vector<std::int32_t> edgeTargets_;
    std::array<std::uint8_t, 0x80> asciiClass_{};  // 0 for a byte that is in no key
    std::size_t classCount_ = 1;
    unsigned rowShift_ = 0;                       // a state's row is 2^rowShift_ entries
    // next() of each state and class, as the target's row offset, complemented
    // when a key ends at the target.
    std::vector<std::int32_t> asciiSteps_;
    std::vector<std::int32_t> keyEnds_;           // per state: itself if a key ends there, else nextWithKey
};

}  // namespace quorrel
