// Byte-string operations over GBK texts.
//
// The comparison is built from these seven: splitText cuts a parameter
// string into items and a pair entry into halves and parts, findText and
// textBefore (through leftText) find an item's key and look for it in the
// other side's items, joinTexts makes pair entries, compareText judges two
// values equal or not, and numberToText writes the row numbers.
//
// A text is a run of bytes; every length, position and count here is in
// bytes. An empty text and an absent one are the same thing. Where an
// operation walks a text character by character it takes the character step
// of core/character_step.h: a byte below 0x80 is a character, a first byte
// 0x80-0xFF makes a two-byte character with the byte after it, or a
// four-byte one where four bytes stand in the GB18030 four-byte shape, and a
// match is looked for only at character starts. A first byte that is the
// last byte of the text (a lone first byte) ends the walk.
#pragma once

#include "core/character_step.h"
#include "core/text_list.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace quorrel {

using Text = std::string;

// Cuts `text` at every `delimiter` found at a character start, scanning from
// the left; matches do not overlap. The pieces joined with `delimiter` give
// back the text up to any dropped rest:
//   "a=1&&b=" -> {"a=1", "", "b="}    "&a" -> {"", "a"}    "a&" -> {"a"}
//   "&&" -> {"", ""}    "" -> {}    bytes 81 7E 7E 78 at "~" -> {81 7E, "x"}
//   bytes 81 30 81 30 at 30 -> {81 30 81 30}
// An empty delimiter gives the whole text as one piece. With `maxCount` m, at
// most m pieces come back: after m cuts the rest of the text is dropped; a
// negative m counts as 0 and gives no pieces.
[[nodiscard]] TextList splitText(std::string_view text,
                                 std::string_view delimiter = ",",
                                 std::optional<std::int32_t> maxCount = std::nullopt);

// Calls `onPiece(piece)` with each piece that splitText(text, delimiter) gives,
// in order, as views into `text`, until `onPiece` returns false.
template <typename OnPiece>
void forEachPiece(std::string_view text, std::string_view delimiter, OnPiece onPiece);

// The 1-based byte position of the first `needle` that starts at a character
// start of `text` at or after byte `start`, or -1. The start byte counts as a
// character start even inside a character of several bytes; `start` 1, 0 and
// below all search from the first byte. A match may end inside a character,
// so a lone first byte is found at the very end of a text. An
// empty needle gives 1 when anything is left to search, else -1.
// `ignoreCase` folds only the bytes "A"-"Z", wherever they stand.
[[nodiscard]] std::int32_t findText(std::string_view text, std::string_view needle,
                                    std::optional<std::int32_t> start = std::nullopt,
                                    bool ignoreCase = false);

// The first `count` bytes of `text` (all of it when shorter, "" when count is
// 0 or less). A count between the two bytes of a character keeps the first
// byte alone.
[[nodiscard]] Text leftText(std::string_view text, std::int32_t count);

// The bytes of `text` before the first `delimiter` that findText finds from
// `start` (0 and below count as 1), or "" when there is none. The bytes before
// the match are always counted from the first byte of the text. An empty
// delimiter yields "".
[[nodiscard]] Text textBefore(std::string_view text, std::string_view delimiter,
                              std::int32_t start = 1, bool ignoreCase = false);

// -1, 0 or 1 as `a` orders before, equal to or after `b`, byte by byte with
// bytes unsigned; a proper beginning of a text orders before it. Case and
// characters of several bytes get no special treatment.
[[nodiscard]] int compareText(std::string_view a, std::string_view b);

// The texts one after the other, in order.
[[nodiscard]] Text joinTexts(std::initializer_list<std::string_view> texts);

// `value` in general notation with 13 significant digits and an exponent of
// at least three digits, rounded first to 17 digits and then to 13:
//   1.0 -> "1"   1e13 -> "1e+013"   0.00001 -> "1e-005"   1/3.0 -> "0.3333333333333"
[[nodiscard]] Text numberToText(double value);

template <typename OnPiece>
void forEachPiece(std::string_view text, std::string_view delimiter, OnPiece onPiece)
{
    if (text.empty())
        return;
    if (delimiter.empty()) {
        onPiece(text);
        return;
    }
    const std::size_t n = text.size();
    const std::size_t d = delimiter.size();
    const char delimiterStart = delimiter[0];
    std::size_t pieceStart = 0;
    std::size_t pos = 0;
    while (n - pos >= d) {
        const char c = text[pos];
        if (c == delimiterStart && text.compare(pos, d, delimiter) == 0) {
            if (!onPiece(text.substr(pieceStart, pos - pieceStart)))
                return;
            pos += d;
            pieceStart = pos;
            continue;
        }
        const std::size_t width = characterWidth(text, pos);
        if (width == 0)
            break;
        pos += width;
    }
    if (pieceStart != n)
        onPiece(text.substr(pieceStart));
}

}  // namespace quorrel
