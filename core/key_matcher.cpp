#include "core/key_matcher.h"

#include <algorithm>

namespace quorrel {
namespace {

// One symbol per character: a byte below 0x80 stands for itself, a two-byte
// character (first byte 0x80-0xFF) for 0x80 + (first - 0x80) * 256 + second.
constexpr std::uint32_t symbolCount = 0x80 + 0x80 * 0x100;

std::uint32_t twoByteSymbol(unsigned char first, unsigned char second)
{
    return 0x80u + ((first - 0x80u) << 8) + second;
}

// The symbols of the whole characters of `key`, in order; a lone first byte
// at the end is no character.
void appendSymbols(std::string_view key, std::vector<std::uint32_t>& symbols)
{
    const auto* byte = reinterpret_cast<const unsigned char*>(key.data());
    const auto* const end = byte + key.size();
    while (byte != end) {
        if (*byte < 0x80) {
            symbols.push_back(*byte++);
        } else if (byte + 1 != end) {
            symbols.push_back(twoByteSymbol(byte[0], byte[1]));
            byte += 2;
        } else {
            break;
        }
    }
}

}  // namespace

KeyMatcher::KeyMatcher(const std::vector<std::string_view>& keys)
    : keyStates_(keys.size()), states_(1), rootTargets_(symbolCount, -1)
{
    buildTrie(keys);
    linkStates();
}

void KeyMatcher::buildTrie(const std::vector<std::string_view>& keys)
{
    // The trie, built from the keys in byte order: byte order is symbol
    // order, so a key shares its longest prefix with the key before it and
    // every state gets its children in ascending symbol order.
    std::vector<std::pair<std::string_view, std::int32_t>> sorted;
    sorted.reserve(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k)
        sorted.emplace_back(keys[k], std::int32_t(k));
    std::sort(sorted.begin(), sorted.end());

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
        if (edge.parent == 0)
            rootTargets_[edge.symbol] = edge.target;
    }
}

void KeyMatcher::linkStates()
{
    // A dense table of the ASCII steps, when it is small enough: one class
    // per ASCII byte that occurs in a key, and class 0 for the others, which
    // lead back to the root from every state.
    for (std::uint32_t symbol : edgeSymbols_) {
        if (symbol < 0x80 && asciiClass_[symbol] == 0)
            asciiClass_[symbol] = std::uint8_t(classCount_++);
    }
    while ((std::size_t{1} << rowShift_) < classCount_)
        ++rowShift_;
    if ((states_.size() << rowShift_) <= maxAsciiSteps)
        asciiSteps_.assign(states_.size() << rowShift_, 0);

    // Fail links in breadth-first order: a state's fail target is shallower,
    // so its fail link and its row of ASCII steps are complete before the
    // state is reached. A state's row is its fail target's row with its own
    // children put in.
    keyEnds_.assign(states_.size(), -1);
    std::vector<std::int32_t> queue{0};
    queue.reserve(states_.size());
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::int32_t parent = queue[head];
        const State& from = states_[std::size_t(parent)];
        std::int32_t* const row = asciiSteps_.empty() ? nullptr : &asciiSteps_[rowOf(parent)];
        if (row && parent != 0)
            std::copy_n(&asciiSteps_[rowOf(from.fail)], classCount_, row);
        for (std::uint32_t e = from.firstEdge; e < from.firstEdge + from.edgeCount; ++e) {
            const std::uint32_t symbol = edgeSymbols_[e];
            const std::int32_t target = edgeTargets_[e];
            State& to = states_[std::size_t(target)];
            to.fail = parent == 0 ? 0
                      : row && symbol < 0x80 ? stateOfStep(asciiSteps_[rowOf(from.fail) + asciiClass_[symbol]])
                                             : next(from.fail, symbol);
            const State& fail = states_[std::size_t(to.fail)];
            to.nextWithKey = fail.endsKey ? to.fail : fail.nextWithKey;
            keyEnds_[std::size_t(target)] = to.endsKey ? target : to.nextWithKey;
            if (row && symbol < 0x80)
                row[asciiClass_[symbol]] = keyEnds_[std::size_t(target)] >= 0 ? ~std::int32_t(rowOf(target))
                                                                                : std::int32_t(rowOf(target));
            queue.push_back(target);
        }
    }
}

std::int32_t KeyMatcher::child(std::int32_t state, std::uint32_t symbol) const
{
    if (state == 0)
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

const unsigned char* KeyMatcher::followAscii(const unsigned char* byte, const unsigned char* end,
                                             std::int32_t& state) const
{
    // Locals keep the loop in registers. A step is one load: the row offset
    // of the next state, complemented where a key ends.
    const std::int32_t* const steps = asciiSteps_.data();
    const std::uint8_t* const classes = asciiClass_.data();
    std::int32_t row = std::int32_t(rowOf(state));
    while (byte != end && *byte < 0x80) {
        // At the root, a byte that starts no key keeps the root: such runs are
        // passed over without waiting for each step's load.
        if (row == 0 && steps[classes[*byte]] == 0) {
            ++byte;
            continue;
        }
        const std::int32_t step = steps[std::size_t(row) + classes[*byte++]];
        if (step < 0) {
            row = ~step;
            break;
        }
        row = step;
    }
    state = row >> rowShift_;
    return byte;
}

std::vector<std::int32_t> KeyMatcher::firstContainingItems(const TextList& items) const
{
    // Found per state where keys end; equal keys share their state.
    std::vector<std::int32_t> firstItem(states_.size(), noItem);
    std::size_t unresolved = keyStateCount_;
    for (std::size_t j = 0; j < items.size() && unresolved > 0; ++j) {
        const std::string_view item = items[j];
        const auto* byte = reinterpret_cast<const unsigned char*>(item.data());
        const auto* const end = byte + item.size();
        std::int32_t state = 0;
        while (byte != end && unresolved > 0) {
            if (*byte < 0x80 && !asciiSteps_.empty()) {
                byte = followAscii(byte, end, state);
            } else if (*byte < 0x80) {
                state = next(state, *byte++);
            } else {
                if (byte + 1 == end)
                    break;
                state = next(state, twoByteSymbol(byte[0], byte[1]));
                byte += 2;
            }
            // Walk the keys that end here, longest first. A key already found
            // was found with every shorter key below it on this chain, so the
            // walk stops at the first one.
            for (std::int32_t withKey = keyEnds_[std::size_t(state)]; withKey >= 0;
                 withKey = states_[std::size_t(withKey)].nextWithKey) {
                std::int32_t& found = firstItem[std::size_t(withKey)];
                if (found != noItem)
                    break;
                found = std::int32_t(j);
                --unresolved;
            }
        }
    }
    std::vector<std::int32_t> firstItemOfKey;
    firstItemOfKey.reserve(keyStates_.size());
    for (std::int32_t state : keyStates_)
        firstItemOfKey.push_back(firstItem[std::size_t(state)]);
    return firstItemOfKey;
}

}  // namespace quorrel
