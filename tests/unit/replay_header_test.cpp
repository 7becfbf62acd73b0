#include "userblock/replay_header.h"

#include <gtest/gtest.h>

#include <vector>

namespace pellan {
namespace {

using namespace std::string_view_literals;

struct HeaderCase {
    std::string_view image;
    std::string_view fileName;
    bool expected;
};

TEST(CheckReplayHeader, SizeExtensionAndMagic) {
    const std::vector<HeaderCase> cases = {
        {"vrsk"sv, ""sv, true},                  // no file name: no extension test
        {"vrskANYTHING"sv, ""sv, true},
        {"vrs"sv, ""sv, false},                  // fewer than 4 bytes
        {""sv, ""sv, false},
        {"vrsk"sv, "a.rpy"sv, true},
        {"vrsk"sv, "/r/a.RPY"sv, true},
        {"vrsk"sv, "C:\\r\\a.Rpy"sv, true},
        {"vrsk"sv, "a.rpy.bak"sv, false},
        {"vrsk"sv, "a"sv, false},
        {"vrsk"sv, "a."sv, false},
        {"vrsk"sv, "x.rpy/a"sv, false},          // the extension of the last component only
        {"vrsk"sv, "dir/.rpy"sv, true},
        {"vrsx"sv, "a.rpy"sv, false},
        {"VRSK"sv, "a.rpy"sv, false},            // the magic is compared exactly
        {"xvrsk"sv, ""sv, false},
    };
    for (const HeaderCase& c : cases) {
        EXPECT_EQ(CheckReplayHeader(ViewOf(c.image), c.fileName, "vrsk"), c.expected)
            << ::testing::PrintToString(std::string(c.image)) << " named " << c.fileName;
    }
    EXPECT_FALSE(CheckReplayHeader(ViewOf("vrsk"sv), "", "vrs"));  // a magic is four bytes
}

}  // namespace
}  // namespace pellan
