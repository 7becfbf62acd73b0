// Shift-JIS stepping. Bytes are written as escapes so that the cases do not depend on how the
// compiler encodes literals.
#include "util/sjis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pellan {
namespace {

using namespace std::string_view_literals;

struct KindCase {
    std::string_view text;
    long index;
    int expected;
};

TEST(CharKindAt, JudgesEachByteFromTheStartOfTheText) {
    const std::vector<KindCase> cases = {
        {"\x82\xA0\x41"sv, 0, kLeadByte},
        {"\x82\xA0\x41"sv, 1, kTrailByte},
        {"\x82\xA0\x41"sv, 2, kSingleByte},
        {"\x82\xA0\x41"sv, 5, kSingleByte},   // past the end
        {"\x82\xA0\x41"sv, -1, kSingleByte},  // before the start
        {"\x81\x7F"sv, 1, kSingleByte},       // 0x7F is no trail byte
        {"\x82\x82\xA0"sv, 1, kTrailByte},    // a lead value in second place is a trail byte
        {"\x82\x82\xA0"sv, 2, kSingleByte},
        {"\x82\x0A\x82\xA0"sv, 1, kSingleByte},  // not a trail byte, and not tested again as a lead
        {"\x82\x0A\x82\xA0"sv, 2, kLeadByte},
        {"\x82\x0A\x82\xA0"sv, 3, kTrailByte},
        {"\x82\x81\x81"sv, 2, kLeadByte},     // 0x81 after a trail byte starts a new character
        {"\xE0\x40"sv, 0, kLeadByte},
        {"\xE0\x40"sv, 1, kTrailByte},
        {"\xFC\xFC"sv, 1, kTrailByte},
        {"\xA0\xB1"sv, 0, kSingleByte},       // half-width katakana
        {"\xFD\x40"sv, 0, kSingleByte},
        {"a\0\x82\xA0"sv, 2, kSingleByte},    // the text ends at its NUL
        {"\x95\x5C"sv, 1, kTrailByte},        // a backslash value inside a character
    };
    for (const KindCase& c : cases) {
        EXPECT_EQ(CharKindAt(c.text, c.index), c.expected) << "index " << c.index << " of " << ::testing::PrintToString(std::string(c.text));
    }
}

TEST(CharKinds, AgreesWithCharKindAtOverAMixedText) {
    std::string_view text = "a\x82\xA0\x81\x7F\x95\x5C\xE0"sv;
    std::vector<std::uint8_t> kinds = CharKinds(text);
    ASSERT_EQ(kinds.size(), text.size());
    for (std::size_t i = 0; i < text.size(); ++i) EXPECT_EQ(kinds[i], CharKindAt(text, long(i))) << "index " << i;
}

struct StepCase {
    std::string_view text;
    std::size_t at;
    std::size_t next;
    unsigned code;
};

TEST(NextCharAndCharCodeAt, StepWholeCharacters) {
    const std::vector<StepCase> cases = {
        {"\x82\xA0" "a"sv, 0, 2, 0x82A0},
        {"\x82\xA0" "a"sv, 2, 3, 'a'},
        {"\x82" "a"sv, 0, 2, 0x8261},   // the second byte is not checked against the trail range
        {"\x82"sv, 0, 1, 0x82},         // lead byte at the end of the view
        {"\x82\0" "a"sv, 0, 1, 0x82},   // lead byte before the NUL
        {"a\0b"sv, 1, 1, 0},            // at the NUL: no step
        {"a"sv, 0, 1, 'a'},
        {"a"sv, 1, 1, 0},               // at the end
        {""sv, 0, 0, 0},
        {"\xA0\x82\xA0"sv, 0, 1, 0xA0},
    };
    for (const StepCase& c : cases) {
        std::string shown = ::testing::PrintToString(std::string(c.text));
        EXPECT_EQ(NextChar(c.text, c.at), c.next) << "at " << c.at << " of " << shown;
        EXPECT_EQ(CharCodeAt(c.text, c.at), c.code) << "at " << c.at << " of " << shown;
    }
}

struct CutCase {
    std::string_view text;
    std::size_t maxBytes;
    std::string_view expected;
};

TEST(CutToBytes, NeverLeavesHalfACharacter) {
    const std::vector<CutCase> cases = {
        {"abc"sv, 5, "abc"sv},
        {"abc"sv, 3, "abc"sv},
        {"abcdef"sv, 3, "abc"sv},
        {"ab\x82\xA0"sv, 4, "ab\x82\xA0"sv},
        {"ab\x82\xA0"sv, 3, "ab"sv},
        {"\x82\xA0\x82\xA0"sv, 3, "\x82\xA0"sv},
        {"\x82\xA0" "abc"sv, 1, ""sv},
        {"abc"sv, 0, ""sv},
        {"a\x82\x82\xA0"sv, 2, "a"sv},          // byte 1 starts a character
        {"a\x82\x82\xA0"sv, 3, "a\x82\x82"sv},  // byte 2 ends one
        {"ab\x82"sv, 3, "ab\x82"sv},            // short enough: nothing is cut
    };
    for (const CutCase& c : cases) {
        EXPECT_EQ(CutToBytes(c.text, c.maxBytes), c.expected)
            << ::testing::PrintToString(std::string(c.text)) << " to " << c.maxBytes;
    }
}

}  // namespace
}  // namespace pellan
