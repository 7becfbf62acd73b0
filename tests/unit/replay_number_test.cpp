#include "frame/replay_number.h"

#include <gtest/gtest.h>

#include <vector>

namespace pellan {
namespace {

using namespace std::string_view_literals;
using Match = ReplayNumberRule::Match;

// The rules of the plug-ins, as their descriptors give them.
constexpr ReplayNumberRule kVaresk{Match::Pattern, "varesk_??.rpy", 25, "varesk_ud????.rpy"};
constexpr ReplayNumberRule kQuillet{Match::Pattern, "quillet_??.rpy", 20, "quillet_ud????.rpy"};
constexpr ReplayNumberRule kMossel{Match::PrefixAndSuffix, "mossel_", 15, ""};
constexpr ReplayNumberRule kPeltra{Match::PrefixAndSuffix, "peltra_", 25, "peltra_ud"};

struct NumberCase {
    const ReplayNumberRule* rule;
    std::string_view path;
    std::string_view expected;
};

TEST(ReplayNumberText, EveryRule) {
    const std::vector<NumberCase> cases = {
        {&kVaresk, "C:\\replays\\varesk_07.rpy"sv, "No.07"sv},
        {&kVaresk, "/home/p/replays/varesk_03.rpy"sv, "No.03"sv},
        {&kVaresk, "varesk_01.rpy"sv, "No.01"sv},
        {&kVaresk, "varesk_25.rpy"sv, "No.25"sv},
        {&kVaresk, "varesk_26.rpy"sv, "User"sv},
        {&kVaresk, "varesk_00.rpy"sv, "User"sv},
        {&kVaresk, "varesk_ab.rpy"sv, "User"sv},
        {&kVaresk, "varesk_ 7.rpy"sv, "No.07"sv},   // a leading blank is skipped
        {&kVaresk, "varesk_+7.rpy"sv, "No.07"sv},
        {&kVaresk, "varesk_5x.rpy"sv, "No.05"sv},   // reading stops at the first non-digit
        {&kVaresk, "varesk_-3.rpy"sv, "User"sv},
        {&kVaresk, "varesk_7.rpy"sv, "User"sv},
        {&kVaresk, "varesk_007.rpy"sv, "User"sv},
        {&kVaresk, "VARESK_07.RPY"sv, "User"sv},    // the patterns are case-sensitive
        {&kVaresk, "varesk_07.RPY"sv, "User"sv},
        {&kVaresk, "varesk_07.rpy.bak"sv, "User"sv},
        {&kVaresk, "varesk_udAbCd.rpy"sv, "AbCd"sv},
        {&kVaresk, "varesk_ud1234.rpy"sv, "1234"sv},
        {&kVaresk, "varesk_udAbC.rpy"sv, "User"sv},
        {&kVaresk, "varesk_ud\x82\xA0" "Cd.rpy"sv, "User"sv},  // '?' must meet single-byte characters
        {&kVaresk, "varesk_udAbCd.rpy/x"sv, "User"sv},
        {&kVaresk, ""sv, "User"sv},
        {&kQuillet, "quillet_20.rpy"sv, "No.20"sv},
        {&kQuillet, "quillet_21.rpy"sv, "User"sv},
        {&kQuillet, "quillet_udWxYz.rpy"sv, "WxYz"sv},
        {&kMossel, "mossel_15.rpy"sv, "No.15"sv},
        {&kMossel, "mossel_16.rpy"sv, "User"sv},
        {&kMossel, "MOSSEL_07.RPY"sv, "No.07"sv},   // prefix and suffix ignore letter case
        {&kMossel, "mossel_ 9.rpy"sv, "No.09"sv},
        {&kMossel, "mossel_udAbCd.rpy"sv, "User"sv},  // no user names in this game
        {&kMossel, "mossel_7.rpy"sv, "User"sv},
        {&kMossel, "mossel_07.rpz"sv, "User"sv},
        {&kMossel, "d/mossel_01.rpy"sv, "No.01"sv},
        {&kPeltra, "peltra_25.rpy"sv, "No.25"sv},
        {&kPeltra, "peltra_26.rpy"sv, "User"sv},
        {&kPeltra, "peltra_udAbCd.rpy"sv, "AbCd"sv},
        {&kPeltra, "PELTRA_UDAbCd.RPY"sv, "AbCd"sv},  // the four characters as they stand
        {&kPeltra, "peltra_udAbC.rpy"sv, "User"sv},
        {&kPeltra, "peltra_ud12.rpy"sv, "User"sv},
        {&kPeltra, "/r/peltra_ud\x82\xA0\x82\xA2.rpy"sv, "\x82\xA0\x82\xA2"sv},  // four bytes, whatever they are
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(ReplayNumberText(c.path, *c.rule), c.expected) << c.rule->numbered << " " << c.path;
    }
}

}  // namespace
}  // namespace pellan
