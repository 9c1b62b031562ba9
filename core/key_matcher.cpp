#include "core/key_matcher.h"

#include "core/character_step.h"

#include <algorithm>
#include <cassert>

namespace quorrel {
namespace {

// One symbol per character: a byte below 0x80 stands for itself, a two-byte
// character for 0x80 + (first - 0x80) * 256 + second, below twoByteEnd, and
// a four-byte character for twoByteEnd + its place in the four-byte range.
constexpr std::uint32_t twoByteEnd = 0x80 + 0x80 * 0x100;

std::uint32_t symbolOf(std::string_view character)
{
    const auto byte = [character](std::size_t i) { return std::uint32_t{static_cast<unsigned char>(character[i])}; };
    switch (character.size()) {
    case 1:
        return byte(0);
    case 2:
        return 0x80 + ((byte(0) - 0x80) << 8) + byte(1);
    default:
        return twoByteEnd + (((byte(0) - 0x81) * 10 + (byte(1) - 0x30)) * 126 + (byte(2) - 0x81)) * 10
               + (byte(3) - 0x30);
    }
}

// The symbols of the characters of `key`, in order, up to a lone first byte.
void appendSymbols(std::string_view key, std::vector<std::uint32_t>& symbols)
{
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < key.size() && (width = characterWidth(key, pos)) != 0; pos += width)
        symbols.push_back(symbolOf(key.substr(pos, width)));
}

[[maybe_unused]] bool isWholeCharacters(std::string_view text)
{
    std::size_t width = 0;
    std::size_t pos = 0;
    while (pos < text.size() && (width = characterWidth(text, pos)) != 0)
        pos += width;
    return pos == text.size();
}

// Whether the symbols of `a` order before those of `b`; both are whole
// characters.
bool symbolsBefore(std::string_view a, std::string_view b)
{
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < a.size() && pos < b.size(); pos += width) {
        width = characterWidth(a, pos);
        const std::uint32_t symbolOfA = symbolOf(a.substr(pos, width));
        const std::uint32_t symbolOfB = symbolOf(b.substr(pos, characterWidth(b, pos)));
        if (symbolOfA != symbolOfB)
            return symbolOfA < symbolOfB;
    }
    return a.size() < b.size();
}

}  // namespace

KeyMatcher::KeyMatcher(const std::vector<std::string_view>& keys, std::size_t stepTableLimit)
    : keyStates_(keys.size()), rootTargets_(twoByteEnd, -1)
{
    assert(std::all_of(keys.begin(), keys.end(),
                       [](std::string_view key) { return !key.empty() && isWholeCharacters(key); }));
    buildTrie(keys);
    linkStates(stepTableLimit);
}

void KeyMatcher::buildTrie(const std::vector<std::string_view>& keys)
{
    struct Edge {
        std::int32_t parent;
        std::uint32_t symbol;
        std::int32_t target;
    };
    std::size_t keyBytes = 0;
    for (std::string_view key : keys)
        keyBytes += key.size();
    std::vector<Edge> edges;
    edges.reserve(keyBytes);
    states_.reserve(keyBytes + 1);

    // The trie is built from the keys in symbol order, so that each key
    // shares its longest prefix with the key before it and every state gets
    // its children in ascending symbol order. Byte order, the fastest to
    // sort, is symbol order unless a byte from 0x80 stands before a digit:
    // 81 30 41 and 81 30 82 41 begin with the same two-byte character, and
    // 81 30 81 30, a four-byte one, sorts between them by bytes. So the keys
    // are sorted by bytes, and sorted by symbols and added again only when
    // one turns out to order before the key before it.
    std::vector<std::pair<std::string_view, std::int32_t>> sorted;
    sorted.reserve(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k)
        sorted.emplace_back(keys[k], std::int32_t(k));
    // Adds the keys of `sorted` to an empty trie, in order; false at a key
    // out of symbol order.
    const auto addSortedKeys = [&] {
        states_.assign(1, State{});
        keyStateCount_ = 0;
        edges.clear();
        std::vector<std::uint32_t> previousSymbols;
        std::vector<std::int32_t> previousPath{0};  // the state after each symbol of the key before
        std::vector<std::uint32_t> symbols;
        for (const auto& [key, k] : sorted) {
            symbols.clear();
            appendSymbols(key, symbols);
            std::size_t shared = 0;
            while (shared < symbols.size() && shared < previousSymbols.size()
                   && symbols[shared] == previousSymbols[shared])
                ++shared;
            if (shared < previousSymbols.size() && (shared == symbols.size() || symbols[shared] < previousSymbols[shared]))
                return false;
            previousPath.resize(shared + 1);
            for (std::size_t d = shared; d < symbols.size(); ++d) {
                const auto state = std::int32_t(states_.size());
                states_.emplace_back();
                edges.push_back({previousPath.back(), symbols[d], state});
                previousPath.push_back(state);
            }
            if (!states_[std::size_t(previousPath.back())].endsKey) {
                states_[std::size_t(previousPath.back())].endsKey = true;
                ++keyStateCount_;
            }
            keyStates_[std::size_t(k)] = previousPath.back();
            previousSymbols.swap(symbols);
        }
        return true;
    };
    std::sort(sorted.begin(), sorted.end());
    if (!addSortedKeys()) {
        std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return symbolsBefore(a.first, b.first); });
        [[maybe_unused]] const bool inOrder = addSortedKeys();
        assert(inOrder);
    }

    // Each state's edges side by side, still in ascending symbol order.
    for (const Edge& edge : edges)
        ++states_[std::size_t(edge.parent)].edgeCount;
    std::uint32_t firstEdge = 0;
    for (State& state : states_) {
        state.firstEdge = firstEdge;
        firstEdge += state.edgeCount;
    }
    edgeSymbols_.resize(edges.size());
    edgeTargets_.resize(edges.size());
    std::vector<std::uint32_t> filled(states_.size(), 0);
    for (const Edge& edge : edges) {
        const std::uint32_t e = states_[std::size_t(edge.parent)].firstEdge + filled[std::size_t(edge.parent)]++;
        edgeSymbols_[e] = edge.symbol;
        edgeTargets_[e] = edge.target;
        if (edge.parent == 0 && edge.symbol < twoByteEnd)
            rootTargets_[edge.symbol] = edge.target;
    }
}

void KeyMatcher::linkStates(std::size_t stepTableLimit)
{
    for (std::uint32_t symbol : edgeSymbols_) {
        if (symbol < 0x80 && asciiClass_[symbol] == 0)
            asciiClass_[symbol] = std::uint8_t(classCount_++);
    }
    while ((std::size_t{1} << blockShift_) < classCount_)
        ++blockShift_;
    if ((states_.size() << blockShift_) <= stepTableLimit)
        stepTable_.assign(states_.size() << blockShift_, 0);

    // Breadth first: a state's fail target is shallower, so its fail link and
    // its block of steps are complete before the state is reached. A state's
    // block is its fail target's block with its own children put in.
    keyEnds_.assign(states_.size(), -1);
    std::vector<std::int32_t> queue{0};
    queue.reserve(states_.size());
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::int32_t parent = queue[head];
        const State& from = states_[std::size_t(parent)];
        std::int32_t* const block = stepTable_.empty() ? nullptr : &stepTable_[blockOf(parent)];
        if (block && parent != 0)
            std::copy_n(&stepTable_[blockOf(from.fail)], classCount_, block);
        for (std::uint32_t e = from.firstEdge; e < from.firstEdge + from.edgeCount; ++e) {
            const std::uint32_t symbol = edgeSymbols_[e];
            const std::int32_t target = edgeTargets_[e];
            State& to = states_[std::size_t(target)];
            to.fail = parent == 0 ? 0
                      : block && symbol < 0x80 ? stateOfEntry(stepTable_[blockOf(from.fail) + asciiClass_[symbol]])
                                               : next(from.fail, symbol);
            const State& fail = states_[std::size_t(to.fail)];
            to.keyLink = fail.endsKey ? to.fail : fail.keyLink;
            keyEnds_[std::size_t(target)] = to.endsKey ? target : to.keyLink;
            if (block && symbol < 0x80)
                block[asciiClass_[symbol]] = keyEnds_[std::size_t(target)] >= 0 ? ~std::int32_t(blockOf(target))
                                                                                  : std::int32_t(blockOf(target));
            queue.push_back(target);
        }
    }
}

std::int32_t KeyMatcher::child(std::int32_t state, std::uint32_t symbol) const
{
    if (state == 0 && symbol < twoByteEnd)
        return rootTargets_[symbol];
    const State& from = states_[std::size_t(state)];
    const auto first = edgeSymbols_.begin() + from.firstEdge;
    const auto last = first + from.edgeCount;
    const auto found = std::lower_bound(first, last, symbol);
    if (found == last || *found != symbol)
        return -1;
    return edgeTargets_[std::size_t(found - edgeSymbols_.begin())];
}

std::int32_t KeyMatcher::next(std::int32_t state, std::uint32_t symbol) const
{
    for (;;) {
        const std::int32_t target = child(state, symbol);
        if (target >= 0)
            return target;
        if (state == 0)
            return 0;
        state = states_[std::size_t(state)].fail;
    }
}

std::size_t KeyMatcher::followAscii(std::string_view item, std::size_t pos, std::int32_t& state) const
{
    // Locals keep the loop in registers.
    const std::int32_t* const steps = stepTable_.data();
    const std::uint8_t* const classes = asciiClass_.data();
    const auto* const begin = reinterpret_cast<const unsigned char*>(item.data());
    const auto* const end = begin + item.size();
    const auto* byte = begin + pos;
    std::int32_t block = std::int32_t(blockOf(state));
    while (byte != end && *byte < 0x80) {
        // At the root, a byte that starts no key keeps the root: such runs are
        // passed over without waiting for each step's load.
        if (block == 0 && steps[classes[*byte]] == 0) {
            ++byte;
            continue;
        }
        const std::int32_t entry = steps[std::size_t(block) + classes[*byte++]];
        if (entry < 0) {
            block = ~entry;
            break;
        }
        block = entry;
    }
    state = block >> blockShift_;
    return std::size_t(byte - begin);
}

std::vector<std::int32_t> KeyMatcher::firstContainingItems(const TextList& items) const
{
    // The first item per state where keys end; equal keys share their state.
    std::vector<std::int32_t> firstItem(states_.size(), noItem);
    std::size_t unresolved = keyStateCount_;
    // Longest first. A key already found was found with every shorter key
    // down its key links, so the walk stops at the first one.
    const auto findKeysEndingAt = [&](std::int32_t state, std::int32_t itemIndex) {
        for (std::int32_t withKey = keyEnds_[std::size_t(state)];
             withKey >= 0 && firstItem[std::size_t(withKey)] == noItem;
             withKey = states_[std::size_t(withKey)].keyLink) {
            firstItem[std::size_t(withKey)] = itemIndex;
            --unresolved;
        }
    };
    for (std::size_t j = 0; j < items.size() && unresolved > 0; ++j) {
        const std::string_view item = items[j];
        std::int32_t state = 0;
        std::size_t pos = 0;
        while (pos < item.size() && unresolved > 0) {
            if (static_cast<unsigned char>(item[pos]) < 0x80) {
                if (stepTable_.empty())
                    state = next(state, std::uint32_t(item[pos++]));
                else
                    pos = followAscii(item, pos, state);
            } else {
                const std::size_t width = characterWidth(item, pos);
                if (width == 0)
                    break;
                if (width == 4)
                    findKeysEndingAt(next(state, symbolOf(item.substr(pos, 2))), std::int32_t(j));
                state = next(state, symbolOf(item.substr(pos, width)));
                pos += width;
            }
            findKeysEndingAt(state, std::int32_t(j));
        }
    }
    std::vector<std::int32_t> firstItemOfKey;
    firstItemOfKey.reserve(keyStates_.size());
    for (std::int32_t state : keyStates_)
        firstItemOfKey.push_back(firstItem[std::size_t(state)]);
    return firstItemOfKey;
}

}  // namespace quorrel
