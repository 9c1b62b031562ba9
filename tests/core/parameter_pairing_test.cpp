#include "core/parameter_pairing.h"

#include <gtest/gtest.h>

namespace quorrel {
namespace {

struct PairingCase {
    const char* name;
    std::string_view first;
    std::string_view second;
    std::string_view filter;
    TextList expected;
};

TEST(PairParameters, PairsByNameSubstring)
{
    const PairingCase cases[] = {
        {"second-value-differs", "a=1&b=2&c=3", "a=1&b=5", "&", {"a=1*a=1", "b=2*b=5", "c=3*"}},
        {"longer-second-exchanges", "a=1&b=5", "a=1&b=2&c=3", "&", {"a=1*a=1", "b=2*b=5", "c=3*"}},
        {"equal-counts-keep-sides", "a=1&b=2", "a=1&b=3", "&", {"a=1*a=1", "b=2*b=3"}},
        {"name-is-substring", "id=5", "userid=5", "&", {"id=5*userid=5"}},
        {"name-found-in-value", "id=5", "x=uid", "&", {"id=5*x=uid"}},
        {"taken-match-drops-item", "a=1&a=2", "a=1", "&", {"a=1*a=1"}},
        {"later-free-item-never-looked-at", "a=1&a=2", "a=1&a=3", "&", {"a=1*a=1", "*a=3"}},
        {"empty-key-takes-first-item", "x&b=2", "b=2&c=3", "&", {"x*b=2", "*c=3"}},
        {"empty-item-takes-first-item", "a=1&&b=2", "b=2&c=3", "&", {"a=1*", "*b=2", "*c=3"}},
        {"empty-key-skips-empty-items", "x&y&z", "&b=2", "&", {"x*b=2", "*"}},
        {"key-starting-with-equals", "=5&q=1", "z=5&q=1", "&", {"=5*z=5", "q=1*q=1"}},
        {"case-differs", "A=1", "a=1", "&", {"A=1*", "*a=1"}},
        {"first-empty", "", "a=1", "&", {"a=1*"}},
        {"both-empty", "", "", "&", {}},
        {"empty-filter-whole-input", "a=1&b=2", "a=1&b=2", "", {"a=1&b=2*a=1&b=2"}},
        {"other-filter", "a=1;b=2", "a=1;b=3", ";", {"a=1*a=1", "b=2*b=3"}},
        {"order-free", "b=1&a=2", "a=2&b=1", "&", {"b=1*b=1", "a=2*a=2"}},
        {"multi-byte-filter", "a=1&&b=2", "b=3&&a=1", "&&", {"a=1*a=1", "b=2*b=3"}},
        {"two-byte-filter", "a=1\xA3\xAC" "b=2", "b=3\xA3\xAC" "a=1", "\xA3\xAC", {"a=1*a=1", "b=2*b=3"}},
        // "~" is the second byte of 81 7E, so that 7E neither splits nor matches.
        {"filter-equals-second-byte", "\x81~=1~b=2", "b=2~\x81~=1", "~", {"\x81~=1*\x81~=1", "b=2*b=2"}},
        {"key-equals-second-byte", "A=1&z=0", "\x81" "A=2&A=3", "&", {"A=1*A=3", "z=0*", "*\x81" "A=2"}},
        // 81 3D is one character, so "\x81=1" has no "=" and an empty key.
        {"equals-inside-character", "\x81=1&c=9", "b=2&c=3", "&", {"\x81=1*b=2", "c=9*c=3"}},
        {"two-byte-key", "\xD6\xD0=1", "\xD6\xD0=2", "&", {"\xD6\xD0=1*\xD6\xD0=2"}},
        // U+0628=1 against U+14CF U+F8FF=1: the key's four bytes stand across
        // the two characters, so the key is not found.
        {"four-byte-key-across-characters", "\x81\x31\x84\x30=1", "\x81\x34\x81\x31\x84\x30\x81\x30=1", "&",
         {"\x81\x31\x84\x30=1*", "*\x81\x34\x81\x31\x84\x30\x81\x30=1"}},
        // U+C1A1=1&a=2 against x=U+C218 U+B7C9 U+C18C U+ACC4&U+C1A1=1: the key
        // stands across the second and third character of the first item,
        // and is found only in the second.
        {"korean-key-across-characters", "\x83\x32\x83\x32=1&a=2",
         "x=\x83\x32\x8F\x31\x83\x30\x83\x32\x83\x32\x81\x31\x82\x37\xE3\x31&\x83\x32\x83\x32=1", "&",
         {"\x83\x32\x83\x32=1*\x83\x32\x83\x32=1", "a=2*",
          "*x=\x83\x32\x8F\x31\x83\x30\x83\x32\x83\x32\x81\x31\x82\x37\xE3\x31"}},
        // Bytes are compared at character starts: the key 81 30 is found at
        // the beginning of the four-byte character 81 30 81 30.
        {"key-is-beginning-of-four-byte-character", "\x81\x30=1", "\x81\x30\x81\x30=1", "&",
         {"\x81\x30=1*\x81\x30\x81\x30=1"}},
        {"four-byte-filter", "a=1\x81\x31\x84\x30" "b=2", "b=2\x81\x31\x84\x30" "a=1", "\x81\x31\x84\x30",
         {"a=1*a=1", "b=2*b=2"}},
    };
    for (const PairingCase& c : cases) {
        SCOPED_TRACE(c.name);
        ParseLists lists;
        pairParameters(lists, c.first, c.second, c.filter);
        EXPECT_EQ(lists.pairList, c.expected);
    }
}

TEST(PairParameters, SameInputsGiveSameEntries)
{
    ParseLists lists;
    pairParameters(lists, "a=1&b=2", "b=2&a=3", "&");
    const TextList once = lists.pairList;
    lists.pairList.clear();
    pairParameters(lists, "a=1&b=2", "b=2&a=3", "&");
    EXPECT_EQ(lists.pairList, once);
}

}  // namespace
}  // namespace quorrel
