#include "core/text_primitives.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quorrel {
namespace {

constexpr std::size_t notFound = std::string_view::npos;

char foldAsciiUpper(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : c; }

bool bytesEqual(std::string_view a, std::string_view b, bool ignoreCase)
{
    if (!ignoreCase)
        return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return foldAsciiUpper(x) == foldAsciiUpper(y); });
}

// The 0-based byte offset of the first `needle` (not empty) at a character
// start counted from `offset`, or notFound.
std::size_t findAtCharStart(std::string_view text, std::string_view needle, std::size_t offset,
                            bool ignoreCase)
{
    const std::size_t n = text.size();
    const std::size_t m = needle.size();
    const auto fold = [ignoreCase](char c) { return ignoreCase ? foldAsciiUpper(c) : c; };
    const char needleStart = fold(needle[0]);
    std::size_t pos = offset;
    while (n - pos >= m) {
        const std::size_t width = characterWidth(text, pos);
        if (fold(text[pos]) == needleStart && bytesEqual(text.substr(pos, m), needle, ignoreCase))
            return pos;
        if (width == 0)
            return notFound;
        pos += width;
    }
    return notFound;
}

}  // namespace

TextList splitText(std::string_view text, std::string_view delimiter,
                   std::optional<std::int32_t> maxCount)
{
    TextList pieces;
    std::int64_t limit = maxCount ? std::max<std::int32_t>(*maxCount, 0) : -1;
    if (limit == 0)
        return pieces;
    pieces.reserve(0, text.size());
    forEachPiece(text, delimiter, [&](std::string_view piece) {
        pieces.push_back(piece);
        return --limit != 0;
    });
    return pieces;
}

std::int32_t findText(std::string_view text, std::string_view needle,
                      std::optional<std::int32_t> start, bool ignoreCase)
{
    const std::int64_t offset = std::max<std::int64_t>(start.value_or(1) - std::int64_t{1}, 0);
    if (offset >= static_cast<std::int64_t>(text.size()))
        return -1;
    if (needle.empty())
        return 1;
    const std::size_t pos = findAtCharStart(text, needle, static_cast<std::size_t>(offset), ignoreCase);
    return pos == notFound ? -1 : static_cast<std::int32_t>(pos + 1);
}

Text leftText(std::string_view text, std::int32_t count)
{
    if (count <= 0)
        return {};
    return Text(text.substr(0, static_cast<std::size_t>(count)));
}

Text textBefore(std::string_view text, std::string_view delimiter, std::int32_t start,
                bool ignoreCase)
{
    const std::int32_t position = findText(text, delimiter, std::max(start, 1), ignoreCase);
    if (position == -1)
        return {};
    return leftText(text, position - 1);
}

int compareText(std::string_view a, std::string_view b)
{
    const int order = a.compare(b);
    return (order > 0) - (order < 0);
}

Text joinTexts(std::initializer_list<std::string_view> texts)
{
    std::size_t length = 0;
    for (std::string_view text : texts)
        length += text.size();
    Text joined;
    joined.reserve(length);
    for (std::string_view text : texts)
        joined.append(text);
    return joined;
}

Text numberToText(double value)
{
    char buffer[40];
    // Whole numbers below 10^13 keep all their digits through both roundings:
    // the row numbers take this way.
    if (!std::signbit(value) && value < 1e13 && value == std::trunc(value)) {
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value)).ptr;
        return Text(buffer, end);
    }
    if (!std::isfinite(value)) {
        std::snprintf(buffer, sizeof buffer, "%g", value);
        return buffer;
    }

    // "%.16e" gives the 17 significant digits as "d.dddddddddddddddde+XX".
    std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(value));
    std::string digits;
    digits += buffer[0];
    digits.append(buffer + 2, 16);
    int exponent = std::atoi(buffer + 19);

    // Round the 17 digits to 13; a carry out of the first digit adds a digit.
    const bool roundUp = digits[13] >= '5';
    digits.resize(13);
    if (roundUp) {
        int i = 12;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
            digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++digits[static_cast<std::size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            digits.resize(13);
            ++exponent;
        }
    }

    Text result = std::signbit(value) ? "-" : "";
    if (exponent < -4 || exponent >= 13) {
        std::string fraction = digits.substr(1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        result += digits[0];
        if (!fraction.empty())
            result += "." + fraction;
        std::snprintf(buffer, sizeof buffer, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
        result += buffer;
        return result;
    }

    std::string whole;
    std::string fraction;
    if (exponent >= 0) {
        whole = digits.substr(0, static_cast<std::size_t>(exponent) + 1);
        fraction = digits.substr(static_cast<std::size_t>(exponent) + 1);
    } else {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    fraction.erase(fraction.find_last_not_of('0') + 1);
    result += whole;
    if (!fraction.empty())
        result += "." + fraction;
    return result;
}

}  // namespace quorrel
