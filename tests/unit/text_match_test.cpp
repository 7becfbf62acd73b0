#include "util/text_match.h"

#include <gtest/gtest.h>

#include <vector>

namespace pellan {
namespace {

using namespace std::string_view_literals;

struct MatchCase {
    std::string_view pattern;
    std::string_view text;
    bool expected;
};

TEST(WildcardMatch, MatchesWholeCharacters) {
    const std::vector<MatchCase> cases = {
        {"varesk_??.rpy"sv, "varesk_07.rpy"sv, true},
        {"varesk_??.rpy"sv, "varesk_7.rpy"sv, false},
        {"varesk_??.rpy"sv, "varesk_007.rpy"sv, false},
        {"varesk_??.rpy"sv, "VARESK_07.RPY"sv, false},   // letter case matters
        {"a?b"sv, "a\x82\xA0" "b"sv, true},              // one '?' for one double-byte character
        {"a??b"sv, "a\x82\xA0" "b"sv, false},
        {"a\x82\xA0" "b"sv, "a\x82\xA0" "b"sv, true},
        {"a\x82\xA0" "b"sv, "a\x82\xA1" "b"sv, false},
        {"*\\"sv, "\x95\x5C"sv, false},                  // the 0x5C of "表" is not a backslash
        {"*.rpy"sv, "x.rpy"sv, true},
        {"*.rpy"sv, ".rpy"sv, true},
        {"*.rpy"sv, "x.rpyx"sv, false},
        {"a*b*c"sv, "axxbyyc"sv, true},
        {"a*b*c"sv, "axxbyy"sv, false},
        {"*"sv, ""sv, true},
        {""sv, ""sv, true},
        {""sv, "a"sv, false},
        {"?"sv, ""sv, false},
        {"a"sv, "a\0b"sv, true},                         // the text ends at its NUL
    };
    for (const MatchCase& c : cases) {
        EXPECT_EQ(WildcardMatch(c.pattern, c.text), c.expected)
            << ::testing::PrintToString(std::string(c.pattern)) << " against " << ::testing::PrintToString(std::string(c.text));
    }
}

struct ReplaceCase {
    std::string_view text, from, to;
    std::string_view expected;
};

TEST(ReplaceAll, ReplacesAtCharacterStartsWithoutOverlap) {
    const std::vector<ReplaceCase> cases = {
        {"a\r\nb"sv, "\r\n"sv, "/"sv, "a/b"sv},
        {"ab\r\n"sv, "\r\n"sv, "/"sv, "ab/"sv},            // an occurrence at the very end
        {"\r\n\r\n"sv, "\r\n"sv, "/"sv, "//"sv},
        {"a\nb\rc"sv, "\r\n"sv, "/"sv, "a\nb\rc"sv},
        {"aaa"sv, "aa"sv, "b"sv, "ba"sv},
        {"abc"sv, "abc"sv, ""sv, ""sv},
        {""sv, "a"sv, "b"sv, ""sv},
        {"ab"sv, "abc"sv, "x"sv, "ab"sv},
        {"\x82\x5C\x5C"sv, "\\"sv, "/"sv, "\x82\x5C/"sv},  // the first 0x5C is a trail byte
        {"\x82\xA0\xA0"sv, "\xA0"sv, "-"sv, "\x82\xA0-"sv},
        {"xa\0a"sv, "a"sv, "b"sv, "xb\0b"sv},              // a NUL inside is copied like any byte
        {"a"sv, ""sv, "b"sv, "a"sv},                       // an empty pattern replaces nothing
    };
    for (const ReplaceCase& c : cases) {
        EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), std::string(c.expected))
            << ::testing::PrintToString(std::string(c.text));
    }
}

}  // namespace
}  // namespace pellan
