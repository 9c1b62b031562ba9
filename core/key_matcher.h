// Finding, for many keys at once, the first item of a list that contains
// each key where findText would find it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quorrel {

// An Aho-Corasick automaton over the keys, read one character of the
// character step (core/character_step.h) at a time.
//
// Each character is one symbol. The states form the trie of the keys'
// symbols: a state stands for the symbols on the path from the root to it,
// and is marked where a key ends. A state's fail link leads to the state of
// the longest proper suffix of its path that is in the trie too and has
// children (a state without children steps just as its fail target does),
// and its key link to the nearest state down the chain of suffixes in the
// trie where a key ends. Walking an item character by character, each step
// follows the edge for the symbol, or else the fail links until a state has
// one (the root when none has). The keys that end at a character are then
// the state's own and those down its key links. A key is so found exactly
// where it begins at a character start of the item, counted from the item's
// first byte.
//
// Most characters are ASCII bytes, so ASCII steps also have a step table:
// every byte that occurs in a key has a class of its own and all other bytes
// share class 0, which leads to the root. Each state with children has a
// block of entries, one per class, holding the offset of the next state's
// block, complemented where a key ends at that state or down its key links.
// The states with children are numbered first, and a state without any has
// the offset its block would have, so the table holds only the blocks that
// are stepped from. A step is then one load. Characters of several bytes
// always take the edges and fail links, as every step does when the table
// would have more entries than its limit.
//
// findText compares bytes, so a key that ends with a two-byte character whose
// second byte is a digit (81 30) is found at the start of a four-byte
// character (81 30 81 30); at every four-byte character that two-byte
// beginning is tried as well.
class KeyMatcher {
public:
    static constexpr std::int32_t noItem = -1;
    // 16 MiB of step table.
    static constexpr std::size_t defaultStepTableLimit = std::size_t{1} << 22;

    // `keys` may repeat. Each must not be empty and must be whole characters,
    // as the bytes before a character-start "=" always are. The step table is
    // built when it has at most `stepTableLimit` entries.
    explicit KeyMatcher(const std::vector<std::string_view>& keys,
                        std::size_t stepTableLimit = defaultStepTableLimit);

    // For each key, the 0-based index of the first item of `items` that
    // contains it at a character start, or noItem. Stops reading items once
    // every key is found.
    [[nodiscard]] std::vector<std::int32_t> firstContainingItems(std::span<const std::string_view> items) const;

private:
    struct State {
        std::int32_t fail = 0;
        bool endsKey = false;
        std::int32_t keyLink = -1;     // nearest state down the chain of suffixes where a key ends
        std::uint32_t firstEdge = 0;   // this state's edges in edgeSymbols_ and edgeTargets_
        std::uint32_t edgeCount = 0;
    };

    struct Edge {
        std::int32_t parent;
        std::uint32_t symbol;
        std::int32_t target;
    };

    // The trie of the keys, its edges grouped by state, the states with
    // children numbered first.
    void buildTrie(const std::vector<std::string_view>& keys);
    // The states of the trie of the keys and the edges between them, each
    // parent's edges in ascending symbol order.
    [[nodiscard]] std::vector<Edge> trieEdges(const std::vector<std::string_view>& keys);
    // Numbers the root and the other states with children before the others.
    void numberParentsFirst(std::vector<Edge>& edges);
    // Fail links, key links and the step table.
    void linkStates(std::size_t stepTableLimit);
    // The child of `state` for `symbol`, or -1.
    [[nodiscard]] std::int32_t child(std::int32_t state, std::uint32_t symbol) const;
    // The state after `symbol`: the child, else the child of the nearest fail
    // target that has one, else the root.
    [[nodiscard]] std::int32_t next(std::int32_t state, std::uint32_t symbol) const;

    // Steps through the ASCII bytes of `item` from byte `pos` with the step
    // table, up to the first byte from 0x80, the end, or a state where a key
    // ends; returns where it stopped.
    std::size_t followAscii(std::string_view item, std::size_t pos, std::int32_t& state) const;

    [[nodiscard]] std::size_t blockOf(std::int32_t state) const { return std::size_t(state) << blockShift_; }
    [[nodiscard]] std::int32_t stateOfEntry(std::int32_t entry) const { return (entry < 0 ? ~entry : entry) >> blockShift_; }

    std::vector<std::int32_t> keyStates_;       // the state where each key ends
    std::size_t keyStateCount_ = 0;             // states where keys end
    std::vector<State> states_;                 // 0 is the root, then the others with children
    std::size_t parentCount_ = 0;               // states with children, the root always counted
    std::vector<std::int32_t> rootTargets_;     // child of the root for every one- and two-byte symbol, or -1
    std::vector<std::uint32_t> edgeSymbols_;    // ascending within each state
    std::vector<std::int32_t> edgeTargets_;
    std::vector<std::int32_t> keyEnds_;         // per state: itself if a key ends there, else its key link

    std::array<std::uint8_t, 0x80> asciiClass_{};
    std::size_t classCount_ = 1;
    unsigned blockShift_ = 0;                   // a state's block is 2^blockShift_ entries
    std::vector<std::int32_t> stepTable_;       // blocks of the parentCount_ first states; empty over the limit
};

}  // namespace quorrel
