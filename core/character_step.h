// The character step: how every walk of the core goes through a text.
//
// A byte below 0x80 is a character of its own. A byte from 0x80 to 0xFF is a
// first byte. Where it stands with the three bytes after it in the shape of a
// GB18030 four-byte character (0x81-0xFE, 0x30-0x39, 0x81-0xFE, 0x30-0x39),
// the four bytes are one character; otherwise the first byte and the byte
// after it, whatever that is, are one two-byte character. No test is made
// that a character is valid GBK or GB18030. A first byte that is the last
// byte of the text is no character: a walk ends there.
//   "a=1"              -> "a" "=" "1"
//   D6 D0 3D           -> D6 D0, "="
//   81 31 84 30 61     -> 81 31 84 30, "a"
//   81 30 61           -> 81 30, "a"     (no four-byte shape)
//   61 81              -> "a", then the walk ends at 81
#pragma once

#include <cstddef>
#include <string_view>

namespace quorrel {

// The width in bytes of the character that starts at byte `pos` of `text`
// (pos below text.size()): 1, 2 or 4, or 0 for a first byte that is the
// last byte of the text.
[[nodiscard]] inline std::size_t characterWidth(std::string_view text, std::size_t pos)
{
    const auto* const byte = reinterpret_cast<const unsigned char*>(text.data()) + pos;
    // 0x30-0x39 and 0x81-0xFE, the ranges of a four-byte character's bytes.
    const auto isDigit = [](unsigned char b) { return static_cast<unsigned char>(b - 0x30) <= 9; };
    const auto isLead = [](unsigned char b) { return static_cast<unsigned char>(b - 0x81) <= 0xFE - 0x81; };
    if (byte[0] < 0x80) [[likely]]
        return 1;
    const std::size_t rest = text.size() - pos;
    if (rest == 1) [[unlikely]]
        return 0;
    // Most first bytes are followed by a byte that is no digit. (The
    // likelihoods keep an ASCII step as short as a plain byte step.)
    if (!isDigit(byte[1])) [[likely]]
        return 2;
    return rest >= 4 && isLead(byte[0]) && isLead(byte[2]) && isDigit(byte[3]) ? 4 : 2;
}

}  // namespace quorrel
