// The private-profile rules of the Linux backend and the profile calls over real files.
#include "platform/posix/profile_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/platform.h"
#include "test_support.h"

namespace pellan::platform {
namespace {

using namespace std::string_view_literals;

struct FindCase {
    std::string_view text, section, key;
    std::optional<std::string> expected;
};

TEST(FindProfileValue, FindsKeysOfTheWantedSectionOnly) {
    const std::vector<FindCase> cases = {
        {"[Sec]\r\nKey=5\r\n"sv, "sec"sv, "KEY"sv, "5"},
        {"[ Sec ]\r\n  Key = 5  \r\n"sv, "Sec"sv, "Key"sv, "5"},
        {"[a]\nk=1\n"sv, "a"sv, "k"sv, "1"},
        {"[a]\r\nk=1\r\n[b]\r\nk=2\r\n"sv, "b"sv, "k"sv, "2"},
        {"[a]\r\nj=1\r\n[b]\r\nk=2\r\n"sv, "a"sv, "k"sv, std::nullopt},  // only in another section
        {"k=1\r\n[a]\r\n"sv, "a"sv, "k"sv, std::nullopt},                // before any section
        {"[a]\r\nk=1\r\n"sv, "b"sv, "k"sv, std::nullopt},
        {"[a]\r\n;k=1\r\n"sv, "a"sv, "k"sv, std::nullopt},                // a comment line
        {"[a]\r\nk=\r\n"sv, "a"sv, "k"sv, ""},
        {"[a]\r\nk=1\r\nk=2\r\n"sv, "a"sv, "k"sv, "1"},                   // the first one counts
        {"[a]\r\nk=\"x y\"\r\n"sv, "a"sv, "k"sv, "x y"},
        {""sv, "a"sv, "k"sv, std::nullopt},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(FindProfileValue(c.text, c.section, c.key), c.expected) << ::testing::PrintToString(std::string(c.text));
    }
}

struct SetCase {
    std::string_view text, section, key, value;
    std::string_view expected;
};

TEST(SetProfileValue, KeepsEveryOtherLine) {
    const std::vector<SetCase> cases = {
        // the key's line is replaced where it stands
        {"[a]\r\nk=1\r\nj=2\r\n[b]\r\nk=3\r\n"sv, "A"sv, "k"sv, "9"sv, "[a]\r\nk=9\r\nj=2\r\n[b]\r\nk=3\r\n"sv},
        {"[Varesk.TVP]\r\nCommentBlt=1\r\n"sv, "varesk.tvp"sv, "commentblt"sv, "2"sv, "[Varesk.TVP]\r\ncommentblt=2\r\n"sv},
        // a missing key goes behind the section's last entry
        {"[a]\r\nk=1\r\n\r\n[b]\r\nk=3\r\n"sv, "a"sv, "j"sv, "2"sv, "[a]\r\nk=1\r\nj=2\r\n\r\n[b]\r\nk=3\r\n"sv},
        {"[a]"sv, "a"sv, "k"sv, "1"sv, "[a]\r\nk=1\r\n"sv},
        // a missing section is appended
        {"[a]\r\nk=1\r\n"sv, "b"sv, "k"sv, "2"sv, "[a]\r\nk=1\r\n[b]\r\nk=2\r\n"sv},
        {"[a]\r\nk=1"sv, "b"sv, "k"sv, "2"sv, "[a]\r\nk=1\r\n[b]\r\nk=2\r\n"sv},
        {""sv, "b"sv, "k"sv, "-1"sv, "[b]\r\nk=-1\r\n"sv},
    };
    for (const SetCase& c : cases) {
        EXPECT_EQ(SetProfileValue(c.text, c.section, c.key, c.value), std::string(c.expected))
            << ::testing::PrintToString(std::string(c.text));
    }
}

TEST(LeadingProfileNumber, ReadsTheLeadingNumber) {
    const std::vector<std::pair<std::string_view, int>> cases = {
        {"-1"sv, -1}, {" 7"sv, 7}, {"3x"sv, 3}, {""sv, 0}, {"x3"sv, 0}, {"+5"sv, 5},
        {"\t12 "sv, 12}, {"0x1F"sv, 31}, {"007"sv, 7}, {"- 1"sv, 0},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(LeadingProfileNumber(value), expected) << value;
}

class ProfileFileTest : public ::testing::Test {
protected:
    testing::TempDir dir;
    std::string ini = dir.File("pellan_tvp.ini");
};

TEST_F(ProfileFileTest, MissingFileSectionKeyOrEmptyValueGiveTheFallback) {
    EXPECT_EQ(ReadProfileInt("a", "k", 42, ini), 42);
    testing::WriteFile(ini, "[a]\r\nk=\r\nn=-3\r\ns= 7\r\nx=3x\r\n");
    EXPECT_EQ(ReadProfileInt("a", "k", 42, ini), 42);
    EXPECT_EQ(ReadProfileInt("a", "missing", 42, ini), 42);
    EXPECT_EQ(ReadProfileInt("b", "n", 42, ini), 42);
    EXPECT_EQ(ReadProfileInt("A", "N", 42, ini), -3);
    EXPECT_EQ(ReadProfileInt("a", "s", 42, ini), 7);
    EXPECT_EQ(ReadProfileInt("a", "x", 42, ini), 3);
}

TEST_F(ProfileFileTest, WritingCreatesTheFileAndKeepsTheRest) {
    ASSERT_TRUE(WriteProfileValue("varesk.tvp", "CommentBlt", "2", ini));
    EXPECT_EQ(testing::ReadText(ini), "[varesk.tvp]\r\nCommentBlt=2\r\n");
    ASSERT_TRUE(WriteProfileValue("kolbrin.tvp", "CommentBlt", "1", ini));
    ASSERT_TRUE(WriteProfileValue("VARESK.TVP", "CommentBlt", "0", ini));
    EXPECT_EQ(testing::ReadText(ini), "[varesk.tvp]\r\nCommentBlt=0\r\n[kolbrin.tvp]\r\nCommentBlt=1\r\n");
    EXPECT_EQ(ReadProfileInt("kolbrin.tvp", "CommentBlt", 9, ini), 1);
    EXPECT_EQ(ReadProfileInt("varesk.tvp", "commentblt", 9, ini), 0);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"pellan_tvp.ini"});  // no temporary file left
}

TEST_F(ProfileFileTest, WritingIntoAMissingFolderFails) {
    EXPECT_FALSE(WriteProfileValue("a", "k", "1", dir.File("missing/pellan_tvp.ini")));
    EXPECT_TRUE(dir.Names().empty());
}

}  // namespace
}  // namespace pellan::platform
