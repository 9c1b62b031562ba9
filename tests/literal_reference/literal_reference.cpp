#include "tests/literal_reference/literal_reference.h"

namespace quorrel::literal {
namespace {

bool between(unsigned char byte, unsigned char low, unsigned char high)
{
    return low <= byte && byte <= high;
}

// How many bytes the character at `pos` takes: 1 below 0x80; 4 where four
// bytes stand as 81-FE, 30-39, 81-FE, 30-39; else 2; and 0 for a byte from
// 0x80 that is the last one, where the scan stops.
std::size_t characterLength(const std::string& text, std::size_t pos)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[pos + k]); };
    if (byte(0) < 0x80)
        return 1;
    if (pos + 1 == text.size())
        return 0;
    if (pos + 4 <= text.size() && between(byte(0), 0x81, 0xFE) && between(byte(1), 0x30, 0x39)
        && between(byte(2), 0x81, 0xFE) && between(byte(3), 0x30, 0x39))
        return 4;
    return 2;
}

std::vector<std::string> split(const std::string& text, const std::string& delimiter)
{
    std::vector<std::string> items;
    const std::size_t n = text.size();
    const std::size_t d = delimiter.size();
    if (n == 0)
        return items;
    if (d == 0) {
        items.push_back(text);
        return items;
    }
    std::size_t pieceStart = 0;
    std::size_t pos = 0;
    std::size_t rest = n;
    while (rest >= d) {
        bool equal = true;
        for (std::size_t k = 0; k < d; ++k) {
            if (text[pos + k] != delimiter[k])
                equal = false;
        }
        if (equal) {
            items.push_back(text.substr(pieceStart, pos - pieceStart));
            pos += d;
            rest -= d;
            pieceStart = pos;
        } else if (characterLength(text, pos) == 0) {
            break;
        } else {
            rest -= characterLength(text, pos);
            pos += characterLength(text, pos);
        }
    }
    if (pieceStart != n)
        items.push_back(text.substr(pieceStart));
    return items;
}

// The 1-based position of `needle` in `text` searched from the first byte, or -1.
long find(const std::string& text, const std::string& needle)
{
    const std::size_t n = text.size();
    const std::size_t m = needle.size();
    if (n == 0)
        return -1;
    if (m == 0)
        return 1;
    std::size_t pos = 0;
    while (n - pos >= m) {
        bool equal = true;
        for (std::size_t k = 0; k < m; ++k) {
            if (text[pos + k] != needle[k])
                equal = false;
        }
        if (equal)
            return static_cast<long>(pos) + 1;
        if (characterLength(text, pos) == 0)
            return -1;
        pos += characterLength(text, pos);
    }
    return -1;
}

std::string keyOf(const std::string& item)
{
    const long p = find(item, "=");
    if (p == -1)
        return "";
    return item.substr(0, static_cast<std::size_t>(p - 1));
}

bool contains(const std::vector<std::size_t>& indexes, std::size_t j)
{
    for (std::size_t index : indexes) {
        if (index == j)
            return true;
    }
    return false;
}

}  // namespace

std::vector<std::string> pairEntries(std::string_view firstText, std::string_view secondText,
                                     std::string_view filterText)
{
    std::vector<std::string> firstList = split(std::string(firstText), std::string(filterText));
    std::vector<std::string> secondList = split(std::string(secondText), std::string(filterText));
    if (firstList.size() < secondList.size()) {
        std::vector<std::string> held = firstList;
        firstList = secondList;
        secondList = held;
    }

    std::vector<std::size_t> usedIndexes;
    std::vector<std::string> pairList;
    for (std::size_t i = 0; i < firstList.size(); ++i) {
        bool matched = false;
        std::size_t match = 0;
        for (std::size_t j = 0; j < secondList.size(); ++j) {
            if (find(secondList[j], keyOf(firstList[i])) != -1) {
                matched = true;
                match = j;
                break;
            }
        }
        if (matched && !contains(usedIndexes, match)) {
            pairList.push_back(firstList[i] + "*" + secondList[match]);
            usedIndexes.push_back(match);
        } else if (!matched) {
            pairList.push_back(firstList[i] + "*");
        }
    }
    for (std::size_t k = 0; k < secondList.size(); ++k) {
        if (!contains(usedIndexes, k))
            pairList.push_back("*" + secondList[k]);
    }
    return pairList;
}

std::vector<ResultRow> rowsFor(const std::vector<std::string>& pairEntries)
{
    std::vector<ResultRow> rows;
    for (std::size_t row = 0; row < pairEntries.size(); ++row) {
        rows.emplace_back();
        const std::vector<std::string> halves = split(pairEntries[row], "*");
        std::string value1;
        std::string value2;
        for (std::size_t j = 1; j <= halves.size(); ++j) {
            const std::vector<std::string> parts = split(halves[j - 1], "=");
            if (parts.size() != 2)
                continue;
            rows[row][0] = std::to_string(row + 1);
            rows[row][1] = parts[0];
            if (j == 1) {
                value1 = parts[1];
                rows[row][2] = parts[1];
            } else {
                rows[row][3] = parts[1];
                value2 = parts[1];
            }
            rows[row][4] = value1 == value2 ? "\xA1\xCC" : "\xA1\xC1";
        }
    }
    return rows;
}

}  // namespace quorrel::literal
