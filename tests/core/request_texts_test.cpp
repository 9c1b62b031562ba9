#include "core/request_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace quorrel {
namespace {

TEST(PercentDecoded, DecodesEscapesAndPlusAndKeepsTheRest)
{
    const struct {
        const char* name;
        std::string_view text;
        std::string_view decoded;
    } cases[] = {
        {"empty", "", ""},
        {"plain", "a=1", "a=1"},
        {"plus-is-space", "a+b+", "a b "},
        {"escaped-plus-stays-plus", "%2B%2b", "++"},
        {"utf8-escapes", "%E4%B8%AD", "\xE4\xB8\xAD"},
        {"lower-case-hex", "%e4%b8%ad", "\xE4\xB8\xAD"},
        {"gbk-escapes", "%D6%D0", "\xD6\xD0"},
        {"unescaped-high-bytes-kept", "\xE4\xB8\xAD%41", "\xE4\xB8\xAD" "A"},
        {"lone-percent-at-end", "100%", "100%"},
        {"one-digit-at-end", "%4", "%4"},
        {"not-hex", "%zz%4g", "%zz%4g"},
        {"percent-before-escape", "%%41", "%A"},
        {"escaped-percent-not-decoded-twice", "%2541", "%41"},
        {"nul-byte", "a%00b", std::string_view("a\0b", 3)},
        {"escaped-delimiters", "%26%3D%2A", "&=*"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(percentDecoded(c.text), c.decoded);
    }
}

TEST(UrlQuery, TakesWhatFollowsTheFirstQuestionMarkBeforeAnyHash)
{
    const struct {
        const char* name;
        std::string_view url;
        std::string_view query;
    } cases[] = {
        {"whole-url", "https://example.test/p?a=1&b=2", "a=1&b=2"},
        {"fragment-dropped", "https://example.test/p?a=1#top", "a=1"},
        {"request-target", "/search?q=%E4%B8%AD", "q=%E4%B8%AD"},
        {"no-question-mark", "a=1&b=2", "a=1&b=2"},
        {"no-question-mark-with-fragment", "a=1#x", "a=1"},
        {"question-mark-in-fragment-ignored", "a=1#x?y=2", "a=1"},
        {"second-question-mark-kept", "/p?a=?&b=1", "a=?&b=1"},
        {"empty-query", "/p?", ""},
        {"only-fragment", "#a=1", ""},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(urlQuery(c.url), c.query);
    }
}

}  // namespace
}  // namespace quorrel
