// The text operations on any bytes, checked against each other and against
// the properties their contracts state: the pieces of splitText give back
// the text, no piece holds the delimiter, a limit keeps the first pieces,
// findText agrees with the first piece, a later start searches the rest as
// a text of its own, and ignoreCase is a search over folded bytes.
//
// Input: text NUL pattern NUL number, where up to eight bytes of number
// give an integer (start, limit, count) and a double.
#include "core/text_primitives.h"
#include "fuzz/nul_separated_fields.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace quorrel;

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// The texts of a list that outlives the result.
std::vector<std::string_view> pieces(const TextList& list) { return {list.begin(), list.end()}; }

std::string foldedAsciiUpper(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 0x20);
    }
    return folded;
}

void checkSplit(std::string_view text, std::string_view delimiter, std::int32_t limit)
{
    const TextList allList = splitText(text, delimiter);
    const std::vector<std::string_view> all = pieces(allList);
    if (text.empty()) {
        check(all.empty());
    } else if (delimiter.empty()) {
        check(all.size() == 1 && all[0] == text);
    } else {
        std::string joined;
        for (std::size_t i = 0; i < all.size(); ++i) {
            joined += i > 0 ? std::string(delimiter) : std::string();
            joined += all[i];
            check(findText(all[i], delimiter) == -1);
        }
        check(joined == text || joined + std::string(delimiter) == text);
    }

    const TextList limitedList = splitText(text, delimiter, limit);
    const std::vector<std::string_view> limited = pieces(limitedList);
    const std::size_t kept = limit <= 0 ? 0 : std::min(all.size(), static_cast<std::size_t>(limit));
    check(limited == std::vector<std::string_view>(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(kept)));
}

void checkFind(std::string_view text, std::string_view needle, std::int32_t start)
{
    const std::int32_t found = findText(text, needle);
    if (!text.empty() && !needle.empty()) {
        const TextList cutList = splitText(text, needle);
        const std::vector<std::string_view> cut = pieces(cutList);
        if (found == -1)
            check(cut.size() == 1 && cut[0] == text);
        else
            check(text.substr(static_cast<std::size_t>(found - 1), needle.size()) == needle &&
                  cut[0].size() == static_cast<std::size_t>(found - 1));
    }

    const std::size_t offset = start > 1 ? static_cast<std::size_t>(start) - 1 : 0;
    const std::int32_t fromStart = findText(text, needle, start);
    if (offset >= text.size()) {
        check(fromStart == -1);
    } else if (needle.empty()) {
        check(fromStart == 1);
    } else {
        const std::int32_t inRest = findText(text.substr(offset), needle);
        check(fromStart == (inRest == -1 ? -1 : inRest + static_cast<std::int32_t>(offset)));
    }

    check(findText(text, needle, start, true) ==
          findText(foldedAsciiUpper(text), foldedAsciiUpper(needle), start));

    const std::int32_t before = findText(text, needle, std::max(start, 1));
    check(textBefore(text, needle, start) ==
          (before == -1 ? std::string_view() : text.substr(0, static_cast<std::size_t>(before - 1))));
}

void checkNumber(double value)
{
    if (!std::isfinite(value))
        return;
    const Text written = numberToText(value);
    const double read = std::strtod(written.c_str(), nullptr);
    check(std::fabs(read - value) <= 1e-12 * std::fabs(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto [text, pattern, numberBytes] = quorrel::fuzz::nulSeparatedFields<3>(data, size);
    unsigned char raw[8] = {};
    if (!numberBytes.empty())
        std::memcpy(raw, numberBytes.data(), std::min(numberBytes.size(), sizeof raw));
    std::int32_t number = 0;
    double value = 0;
    std::memcpy(&number, raw, sizeof number);
    std::memcpy(&value, raw, sizeof value);

    checkSplit(text, pattern, number);
    checkFind(text, pattern, number);
    check(leftText(text, number) == text.substr(0, static_cast<std::size_t>(std::max(number, 0))));
    const int order = compareText(text, pattern);
    check(order == -compareText(pattern, text) && order == (text < pattern ? -1 : text == pattern ? 0 : 1));
    check(numberToText(number) == std::to_string(number));
    checkNumber(value);
    return 0;
}
