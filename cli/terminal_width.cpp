#include "cli/terminal_width.h"

#include <QChar>
#include <QList>

#include <algorithm>
#include <array>

namespace quorrel::cli {
namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// The wide and fullwidth blocks of the East Asian Width property, in order.
constexpr std::array<Range, 17> wideRanges{{
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD},
    {0x30000, 0x3FFFD},
}};

bool isWide(char32_t c)
{
    const auto range = std::upper_bound(wideRanges.begin(), wideRanges.end(), c,
                                        [](char32_t value, const Range& r) { return value < r.first; });
    return range != wideRanges.begin() && c <= std::prev(range)->last;
}

int characterWidth(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return 0;
    default:
        return isWide(c) ? 2 : 1;
    }
}

}  // namespace

int terminalWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4())
        width += characterWidth(c);
    return width;
}

}  // namespace quorrel::cli
