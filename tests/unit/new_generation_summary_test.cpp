// The new-generation summary reader: which lines fill which slot, verbatim.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "userblock/new_generation_summary.h"

namespace pellan {
namespace {

// The key table of varesk and kolbrin, and dunmere's, which has no "Chara " or "Rank ".
constexpr SummaryKey kFullKeys[] = {{"Version ", 10}, {"Name ", 3}, {"Date ", 4}, {"Chara ", 5},
                                    {"Rank ", 6},     {"Stage ", 7}, {"Score ", 8}, {"Slow Rate ", 9}};
constexpr SummaryKey kShortKeys[] = {{"Version ", 8}, {"Name ", 3}, {"Date ", 4},
                                     {"Stage ", 5},   {"Score ", 6}, {"Slow Rate ", 7}};

struct SummaryCase {
    const char* what;
    std::string summary;
    SlotValues expected;
};

TEST(NewGenerationSummaryTest, FillsTheSlotsOfRecognisedLines) {
    const std::vector<SummaryCase> cases = {
        {"every key, CR LF lines",
         "Version 1.00\r\nName Aldren\r\nDate 26/12/11 14:30\r\nChara Ilva A\r\nRank Hard\r\nStage All Clear\r\n"
         "Score 123456780\r\nSlow Rate 0.52\r\n",
         {{10, "1.00"}, {3, "Aldren"}, {4, "26/12/11 14:30"}, {5, "Ilva A"}, {6, "Hard"}, {7, "All Clear"},
          {8, "123456780"}, {9, "0.52"}}},
        {"last line without CR LF", "Name A\r\nScore 10", {{3, "A"}, {8, "10"}}},
        {"LF-only line ends", "Name A\nScore 10\nStage 3\n", {{3, "A"}, {8, "10"}, {7, "3"}}},
        {"a lone LF before a later CR LF stays inside its line", "Name A\nScore 10\r\nStage 3",
         {{3, "A\nScore 10"}, {7, "3"}}},
        {"a lone CR never ends a line", "Name A\rScore 10\r\n", {{3, "A\rScore 10"}}},
        {"leading spaces of a value stay", "Name  Aldren  \r\n", {{3, " Aldren  "}}},
        {"a key alone gives an empty value", "Name \r\n", {{3, ""}}},
        {"the last line of a key wins, also when empty", "Name A\r\nName B\r\nScore 5\r\nScore \r\n",
         {{3, "B"}, {8, ""}}},
        {"other letter case or no space is no key", "name A\r\nNAME B\r\nName\r\nScore:5\r\nSlow rate 1\r\n", {}},
        {"text before the key is no key", " Name A\r\nxScore 5\r\n", {}},
        {"Shift-JIS values are copied verbatim", "Name \x82\xA0\x5C\x83\x5C\r\n", {{3, "\x82\xA0\x5C\x83\x5C"}}},
        {"empty summary", "", {}},
    };
    for (const SummaryCase& c : cases) {
        SlotValues row;
        FillSummaryRow(c.summary, kFullKeys, row);
        EXPECT_EQ(row, c.expected) << c.what;
    }
}

TEST(NewGenerationSummaryTest, ShortKeyTableIgnoresCharacterAndRank) {
    SlotValues row;
    FillSummaryRow("Chara Ilva\r\nRank Hard\r\nStage 6\r\nVersion 1.1\r\n", kShortKeys, row);
    EXPECT_EQ(row, (SlotValues{{5, "6"}, {8, "1.1"}}));
}

TEST(NewGenerationSummaryTest, MatchSummaryKeyNeedsTheWholeKey) {
    std::string_view value = "untouched";
    EXPECT_FALSE(MatchSummaryKey("Slow Rat", "Slow Rate ", value));
    EXPECT_EQ(value, "untouched");
    EXPECT_TRUE(MatchSummaryKey("Slow Rate 1.5 ", "Slow Rate ", value));
    EXPECT_EQ(value, "1.5 ");
}

}  // namespace
}  // namespace pellan
