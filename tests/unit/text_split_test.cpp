#include "util/text_split.h"

#include <gtest/gtest.h>

#include <vector>

namespace pellan {
namespace {

using namespace std::string_view_literals;

struct SplitCase {
    std::string_view text;
    char separator;
    TextList expected;
};

TEST(SplitText, ProducesNoEmptyItems) {
    const std::vector<SplitCase> cases = {
        {"\t\tb\t"sv, '\t', {"b"}},
        {"\t\t"sv, '\t', {}},
        {""sv, '\t', {}},
        {"a"sv, '\t', {"a"}},
        {"a\tb"sv, '\t', {"a", "b"}},
        {"a\t\tb\t"sv, '\t', {"a", "b"}},
        {"1.02:Ver 1.02"sv, ':', {"1.02", "Ver 1.02"}},
        {"a b\0c d"sv, ' ', {"a", "b"}},                   // the text ends at its NUL
        {"\x95\x5C\\x"sv, '\\', {"\x95\x5C", "x"}},        // 0x5C inside "表" does not separate
        {"\x82\x40@\x82\x40"sv, '@', {"\x82\x40", "\x82\x40"}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(SplitText(c.text, c.separator), c.expected) << ::testing::PrintToString(std::string(c.text));
    }
}

struct SplitAnyCase {
    std::string_view text;
    std::string_view separators;
    unsigned limit;
    TextList expected;
};

TEST(SplitTextAny, SeparatorSetLimitAndTrimming) {
    const std::vector<SplitAnyCase> cases = {
        {"a b,c"sv, " ,"sv, 0, {"a", "b", "c"}},
        {"a b,c"sv, " ,"sv, 1, {"a", "b", "c"}},  // 1 means no limit as well
        {"a b c"sv, ""sv, 0, {}},                 // no separators: nothing at all
        {"a b c  "sv, " "sv, 2, {"a", "b c"}},    // the last item carries the rest, trimmed
        {"a  b c"sv, " "sv, 2, {"a", " b c"}},    // a second separator right away belongs to the rest
        {"a b c, ,"sv, " ,"sv, 3, {"a", "b", "c"}},
        {"  "sv, " "sv, 2, {}},
        {"a \x95\x5C"sv, " \\"sv, 2, {"a", "\x95\x5C"}},  // a trail byte is never trimmed
        {"a \x95\x5C"sv, " \\"sv, 0, {"a", "\x95\x5C"}},
        {"Stage 1 "sv, " "sv, 0, {"Stage", "1"}},
    };
    for (const SplitAnyCase& c : cases) {
        EXPECT_EQ(SplitTextAny(c.text, c.separators, c.limit), c.expected)
            << ::testing::PrintToString(std::string(c.text)) << " limit " << c.limit;
    }
}

struct LinesCase {
    std::string_view text;
    TextList expected;
};

TEST(SplitLines, CrLfFirstThenLoneLf) {
    const std::vector<LinesCase> cases = {
        {""sv, {""}},
        {"a"sv, {"a"}},
        {"a\r\n"sv, {"a", ""}},
        {"\r\n"sv, {"", ""}},
        {"a\r\nb"sv, {"a", "b"}},
        {"a\nb\r\nc"sv, {"a\nb", "c"}},      // a lone LF before the last CR LF stays in the line
        {"a\r\nb\nc"sv, {"a", "b", "c"}},    // after it, a lone LF ends a line
        {"a\nb"sv, {"a", "b"}},
        {"a\rb"sv, {"a\rb"}},                // a lone CR never ends a line
        {"a\r\r\nb"sv, {"a\r", "b"}},
    };
    for (const LinesCase& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.expected) << ::testing::PrintToString(std::string(c.text));
    }
}

}  // namespace
}  // namespace pellan
