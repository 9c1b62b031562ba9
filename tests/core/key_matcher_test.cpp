#include "core/key_matcher.h"
#include "core/text_primitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace quorrel {
namespace {

constexpr std::int32_t none = KeyMatcher::noItem;

struct MatcherCase {
    const char* name;
    std::vector<std::string_view> keys;
    std::vector<std::string_view> items;
    std::vector<std::int32_t> expected;
};

// Each case runs with the step table and without it.
class KeyMatcherTest : public ::testing::TestWithParam<std::size_t> {};

INSTANTIATE_TEST_SUITE_P(StepTable, KeyMatcherTest, ::testing::Values(KeyMatcher::defaultStepTableLimit, 0),
                         [](const auto& limit) { return limit.param == 0 ? "Without" : "With"; });

TEST_P(KeyMatcherTest, FirstItemContainingEachKey)
{
    const MatcherCase cases[] = {
        {"exact-names", {"a", "b"}, {"b=1", "a=2"}, {1, 0}},
        {"substring-anywhere", {"id"}, {"x=1", "userid=7"}, {1}},
        {"first-item-wins", {"a"}, {"xa", "a=1"}, {0}},
        {"not-found", {"zz"}, {"z=z", "z"}, {none}},
        {"key-inside-longer-key", {"abc", "b", "bc"}, {"xbx", "abc"}, {1, 0, 1}},
        {"suffix-found-with-longer", {"xabc", "bc", "c"}, {"xabc"}, {0, 0, 0}},
        {"fail-link-restart", {"aab", "ab"}, {"aaab"}, {0, 0}},
        {"second-byte-is-not-a-start", {"A"}, {"\x81" "A", "xA"}, {1}},
        {"second-byte-start-later", {"A"}, {"\x81" "AA"}, {0}},
        {"two-byte-key", {"\xD6\xD0"}, {"\x81\xD6\xD0", "a\xD6\xD0"}, {1}},
        {"two-byte-key-misaligned", {"\xB0\xA1"}, {"\x81\xB0\xA1"}, {none}},
        {"lone-first-byte-at-end", {"a"}, {"\x81", "b\x81", "a\x81"}, {2}},
        {"four-byte-key", {"\x81\x31\x84\x30"}, {"a", "x\x81\x31\x84\x30"}, {1}},
        {"four-byte-key-across-characters", {"\x81\x31\x84\x30"},
         {"\x81\x34\x81\x31\x84\x30\x81\x30", "\x81\x31\x84\x30"}, {1}},
        {"two-byte-key-inside-four-byte-character", {"\x84\x30"}, {"\x81\x31\x84\x30", "\x84\x30"}, {1}},
        // Bytes are compared, so a key may end inside a character.
        {"key-is-beginning-of-four-byte-character", {"\x81\x30", "a\x81\x30"}, {"a\x81\x30\x81\x30"}, {0, 0}},
        // By bytes the four-byte key sorts between the two keys that begin
        // with the two-byte character 81 30.
        {"keys-ordered-by-characters", {"\x81\x30" "A", "\x81\x30\x81\x30", "\x81\x30\x82\x41"},
         {"\x81\x30\x82\x41", "\x81\x30\x81\x30", "\x81\x30" "A"}, {2, 1, 0}},
        {"no-items", {"a"}, {}, {none}},
        {"no-keys", {}, {"a=1"}, {}},
        {"empty-item", {"a"}, {"", "a"}, {1}},
    };
    for (const MatcherCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(KeyMatcher(c.keys, GetParam()).firstContainingItems(c.items), c.expected);
    }
}

// So many keys over so many different bytes that the automaton is too big for
// its step table and takes every step through its fail links.
TEST(KeyMatcher, LargeKeySetAgreesWithFindText)
{
    std::mt19937 random(7);
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_.";
    auto randomWord = [&](std::size_t length) {
        std::string word;
        for (std::size_t i = 0; i < length; ++i)
            word += letters[random() % letters.size()];
        return word;
    };
    std::vector<std::string> keyTexts;
    for (int k = 0; k < 60000; ++k)
        keyTexts.push_back(randomWord(3 + random() % 12));
    std::sort(keyTexts.begin(), keyTexts.end());
    keyTexts.erase(std::unique(keyTexts.begin(), keyTexts.end()), keyTexts.end());
    std::shuffle(keyTexts.begin(), keyTexts.end(), random);
    const std::vector<std::string_view> keys(keyTexts.begin(), keyTexts.end());

    std::vector<std::string> itemTexts;
    for (int j = 0; j < 300; ++j) {
        std::string item = randomWord(random() % 20);
        for (int part = 0; part < 3; ++part)
            item += keyTexts[random() % keyTexts.size()].substr(random() % 3) + randomWord(random() % 4);
        itemTexts.push_back(item);
    }
    const std::vector<std::string_view> items(itemTexts.begin(), itemTexts.end());

    const std::vector<std::int32_t> found = KeyMatcher(keys).firstContainingItems(items);
    for (std::size_t k = 0; k < keys.size(); k += 17) {
        std::int32_t expected = none;
        for (std::size_t j = 0; j < items.size() && expected == none; ++j) {
            if (findText(items[j], keys[k]) != -1)
                expected = std::int32_t(j);
        }
        ASSERT_EQ(found[k], expected) << "key " << keys[k];
    }
}

}  // namespace
}  // namespace quorrel
