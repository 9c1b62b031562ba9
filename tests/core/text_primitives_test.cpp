#include "core/text_primitives.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorrel {
namespace {

struct SplitCase {
    const char* name;
    std::string_view text;
    std::string_view delimiter;
    std::optional<std::int32_t> maxCount;
    TextList expected;
};

TEST(SplitText, CutsAtDelimitersOnCharacterStarts)
{
    const SplitCase cases[] = {
        {"empty-text", "", "&", {}, {}},
        {"no-delimiter", "a=1", "&", {}, {"a=1"}},
        {"two-items", "a=1&b=2", "&", {}, {"a=1", "b=2"}},
        {"doubled-delimiter", "a=1&&b=", "&", {}, {"a=1", "", "b="}},
        {"delimiter-first", "&a=1", "&", {}, {"", "a=1"}},
        {"delimiter-last", "a=1&", "&", {}, {"a=1"}},
        {"delimiter-only", "&", "&", {}, {""}},
        {"delimiters-only", "&&", "&", {}, {"", ""}},
        {"empty-delimiter", "a=1&b=2", "", {}, {"a=1&b=2"}},
        {"empty-both", "", "", {}, {}},
        {"star-first", "*b=2", "*", {}, {"", "b=2"}},
        {"star-last", "a=1*", "*", {}, {"a=1"}},
        {"equals-last", "a=", "=", {}, {"a"}},
        {"equals-first", "=5", "=", {}, {"", "5"}},
        {"equals-twice", "a=b=c", "=", {}, {"a", "b", "c"}},
        {"equals-doubled", "a==1", "=", {}, {"a", "", "1"}},
        {"long-delimiter-no-overlap", "a&&&b", "&&", {}, {"a", "&b"}},
        {"delimiter-longer-than-text", "ab", "abc", {}, {"ab"}},
        {"second-byte-equals-delimiter", "\x81\x7E\x7Ex", "~", {}, {"\x81\x7E", "x"}},
        {"lone-first-byte-at-end", "a~\x81", "~", {}, {"a", "\x81"}},
        {"lone-first-byte-before-delimiter-end", "\x81", "~", {}, {"\x81"}},
        {"two-byte-delimiter", "a\xB0\xA1" "b\xB0\xA1", "\xB0\xA1", {}, {"a", "b"}},
        {"two-byte-delimiter-across-characters", "\x81\xB0\xA1x", "\xB0\xA1", {}, {"\x81\xB0\xA1x"}},
        // U+0628 is 81 31 84 30; U+14CF and U+F8FF are 81 34 81 31 and 84 30 81 30.
        {"four-byte-delimiter", "a=1\x81\x31\x84\x30" "b=2", "\x81\x31\x84\x30", {}, {"a=1", "b=2"}},
        {"four-byte-delimiter-across-characters", "\x81\x34\x81\x31\x84\x30\x81\x30", "\x81\x31\x84\x30", {},
         {"\x81\x34\x81\x31\x84\x30\x81\x30"}},
        {"first-byte-and-digit-without-four-byte-shape", "\x81\x30\x81~x~y", "~", {}, {"\x81\x30\x81~x", "y"}},
        {"comma-delimiter", "a,b", ",", {}, {"a", "b"}},
        {"limit-drops-rest", "a&b&c", "&", 2, {"a", "b"}},
        {"limit-above-count", "a&b", "&", 5, {"a", "b"}},
        {"limit-one-drops-after-first-cut", "a&b", "&", 1, {"a"}},
        {"limit-one-no-cut", "ab", "&", 1, {"ab"}},
        {"limit-zero", "a&b", "&", 0, {}},
        {"limit-negative", "a&b", "&", -1, {}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitText(c.text, c.delimiter, c.maxCount), c.expected);
    }
}

TEST(SplitText, DelimiterLeftOutIsComma)
{
    EXPECT_EQ(splitText("a,b&c"), (TextList{"a", "b&c"}));
}

struct FindCase {
    const char* name;
    std::string_view text;
    std::string_view needle;
    std::optional<std::int32_t> start;
    bool ignoreCase;
    std::int32_t expected;
};

TEST(FindText, FindsOnlyAtCharacterStarts)
{
    const FindCase cases[] = {
        {"found", "a=1", "=", {}, false, 2},
        {"not-found", "abc", "d", {}, false, -1},
        {"in-empty", "", "a", {}, false, -1},
        {"empty-needle", "x", "", {}, false, 1},
        {"empty-needle-in-empty", "", "", {}, false, -1},
        {"empty-needle-from-later-start", "abc", "", 3, false, 1},
        {"empty-needle-past-end", "abc", "", 4, false, -1},
        {"needle-longer", "ab", "abc", {}, false, -1},
        {"start-counts-from-whole-text", "abcabc", "c", 4, false, 6},
        {"start-skips-match", "abc", "a", 2, false, -1},
        {"start-past-end", "abc", "c", 4, false, -1},
        {"start-zero", "abc", "a", 0, false, 1},
        {"start-negative", "abc", "a", -7, false, 1},
        {"start-min", "abc", "a", INT32_MIN, false, 1},
        {"second-byte-skipped", "\x81" "AA", "A", {}, false, 3},
        {"second-byte-only", "\x81" "A", "A", {}, false, -1},
        {"lone-first-byte-found", "ab\x81", "\x81", {}, false, 3},
        {"after-two-byte-character", "\xD6\xD0=1", "=", {}, false, 3},
        {"match-ends-inside-character", "a\x81\x41", "a\x81", {}, false, 1},
        {"start-inside-character-is-a-start", "\x81" "A", "A", 2, false, 2},
        {"two-byte-needle-misaligned", "\x81\xB0\xA1", "\xB0\xA1", {}, false, -1},
        {"four-byte-needle", "x\x81\x31\x84\x30", "\x81\x31\x84\x30", {}, false, 2},
        {"four-byte-needle-across-characters", "\x81\x34\x81\x31\x84\x30\x81\x30=1", "\x81\x31\x84\x30", {}, false, -1},
        // "x=" then the four characters of U+C218 U+B7C9 U+C18C U+ACC4; U+C1A1,
        // 83 32 83 32, stands across the second and the third.
        {"korean-needle-across-characters", "x=\x83\x32\x8F\x31\x83\x30\x83\x32\x83\x32\x81\x31\x82\x37\xE3\x31",
         "\x83\x32\x83\x32", {}, false, -1},
        {"first-byte-and-digit-without-four-byte-shape", "\x81\x30\x81\x81\x30", "\x81\x81", {}, false, 3},
        {"byte-80-starts-no-four-byte-character", "\x80\x30\x81\x30", "\x81\x30", {}, false, 3},
        {"ignore-case", "ABC", "b", {}, true, 2},
        {"case-differs", "abc", "B", {}, false, -1},
        {"ignore-case-folds-second-bytes", "\x81\x41", "\x81\x61", {}, true, 1},
        {"ignore-case-folds-only-ascii-letters", "\xC1", "\xE1", {}, true, -1},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(findText(c.text, c.needle, c.start, c.ignoreCase), c.expected);
    }
}

TEST(LeftText, CountsBytes)
{
    const struct {
        const char* name;
        std::string_view text;
        std::int32_t count;
        Text expected;
    } cases[] = {
        {"shorter", "abc", 2, "ab"},
        {"zero", "abc", 0, ""},
        {"negative", "abc", -1, ""},
        {"longer-than-text", "abc", 10, "abc"},
        {"empty", "", 3, ""},
        {"cuts-two-byte-character", "\xD6\xD0x", 1, "\xD6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(leftText(c.text, c.count), c.expected);
    }
}

TEST(TextBefore, KeepsBytesBeforeFirstMatch)
{
    const struct {
        const char* name;
        std::string_view text;
        std::string_view delimiter;
        std::int32_t start;
        bool ignoreCase;
        Text expected;
    } cases[] = {
        {"name", "a=1", "=", 1, false, "a"},
        {"match-first", "=1", "=", 1, false, ""},
        {"no-match", "abc", "=", 1, false, ""},
        {"first-of-several", "a=b=c", "=", 1, false, "a"},
        {"empty", "", "=", 1, false, ""},
        {"start-zero", "a=1", "=", 0, false, "a"},
        {"start-negative", "a=1", "=", -3, false, "a"},
        {"empty-delimiter", "ab", "", 1, false, ""},
        {"two-byte-name", "\xD6\xD0=1", "=", 1, false, "\xD6\xD0"},
        {"second-byte-not-a-match", "\x81~x~", "~", 1, false, "\x81~x"},
        {"later-start-keeps-earlier-bytes", "a=b=c", "=", 3, false, "a=b"},
        {"ignore-case", "abXc", "x", 1, true, "ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(textBefore(c.text, c.delimiter, c.start, c.ignoreCase), c.expected);
    }
}

TEST(CompareText, OrdersUnsignedBytes)
{
    const struct {
        const char* name;
        std::string_view a;
        std::string_view b;
        int expected;
    } cases[] = {
        {"empty-and-absent", "", {}, 0},
        {"absent-and-text", {}, "x", -1},
        {"text-and-absent", "x", {}, 1},
        {"smaller", "a", "b", -1},
        {"prefix-is-smaller", "ab", "abc", -1},
        {"longer-is-greater", "abc", "ab", 1},
        {"case-differs", "A", "a", -1},
        {"high-bytes-unsigned", "\xA1\xCC", "z", 1},
        {"equal", "1", "1", 0},
        {"equal-two-byte", "\xA1\xCC", "\xA1\xCC", 0},
        {"far-apart", "\x01", "\xFF", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(compareText(c.a, c.b), c.expected);
    }
}

TEST(JoinTexts, ConcatenatesInOrder)
{
    EXPECT_EQ(joinTexts({"a=1", "*", "b=2"}), "a=1*b=2");
    EXPECT_EQ(joinTexts({"a=1", "*"}), "a=1*");
    EXPECT_EQ(joinTexts({"*", {}}), "*");
    EXPECT_EQ(joinTexts({"", ""}), "");
}

}  // namespace
}  // namespace quorrel
