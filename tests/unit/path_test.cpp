// Path splitting. On Linux paths are UTF-8 and step byte by byte, so no byte of a multi-byte
// sequence ever hides a separator; '\' counts as a separator on both systems.
#include "util/path.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"

namespace pellan {
namespace {

using namespace std::string_view_literals;

struct PathCase {
    std::string_view path;
    std::string_view fileName;
    std::string_view extension;
    std::string_view directory;
};

TEST(PathParts, SplitAtTheLastSeparator) {
    const std::vector<PathCase> cases = {
        {"/home/r/varesk_07.rpy"sv, "varesk_07.rpy"sv, "rpy"sv, "/home/r"sv},
        {"C:\\replays\\varesk_07.rpy"sv, "varesk_07.rpy"sv, "rpy"sv, "C:\\replays"sv},
        {"a/b\\c.RPY"sv, "c.RPY"sv, "RPY"sv, "a/b"sv},
        {"a.d/name"sv, "name"sv, ""sv, "a.d"sv},          // a dot in the directory is no extension
        {"dir/name."sv, "name."sv, ""sv, "dir"sv},
        {"dir/.rpy"sv, ".rpy"sv, "rpy"sv, "dir"sv},       // the only dot at the start
        {"x/a.tar.gz"sv, "a.tar.gz"sv, "gz"sv, "x"sv},
        {"x/a.rpy.bak"sv, "a.rpy.bak"sv, "bak"sv, "x"sv},
        {"/a.tvp"sv, "a.tvp"sv, "tvp"sv, ""sv},
        {"a/b/"sv, ""sv, ""sv, "a/b"sv},                  // just the one separator goes
        {"a//"sv, ""sv, ""sv, "a/"sv},
        {"a\\"sv, ""sv, ""sv, "a"sv},
        {"/"sv, ""sv, ""sv, ""sv},
        {""sv, ""sv, ""sv, ""sv},
        {"name.rpy"sv, "name.rpy"sv, "rpy"sv, ""sv},      // a bare file name has no directory
        {"\xE3\x81\x82/b"sv, "b"sv, ""sv, "\xE3\x81\x82"sv},  // UTF-8 "あ" keeps the '/' a separator
        {"\xE3\x81\x82\xE3\x81\x84.rpy"sv, "\xE3\x81\x82\xE3\x81\x84.rpy"sv, "rpy"sv, ""sv},
        {"d/a\0/b"sv, "a\0/b"sv, ""sv, "d"sv},           // the path ends at its NUL
    };
    for (const PathCase& c : cases) {
        std::string shown = ::testing::PrintToString(std::string(c.path));
        EXPECT_EQ(FileNamePart(c.path), c.fileName) << shown;
        EXPECT_EQ(ExtensionPart(c.path), c.extension) << shown;
        EXPECT_EQ(DirectoryPart(c.path), c.directory) << shown;
    }
}

TEST(PathParts, PartsPointIntoThePath) {
    std::string_view path = "dir/name"sv;
    EXPECT_EQ(FileNamePart(path).data(), path.data() + 4);
    // No extension: the empty text at the end of the path.
    EXPECT_EQ(ExtensionPart(path).data(), path.data() + path.size());
    std::string_view dotted = "dir/name.rpy"sv;
    EXPECT_EQ(ExtensionPart(dotted).data(), dotted.data() + 9);
}

TEST(EqualsIgnoringCase, FoldsAsciiLettersOnly) {
    EXPECT_TRUE(EqualsIgnoringCase("RpY", "rpy"));
    EXPECT_TRUE(EqualsIgnoringCase("", ""));
    EXPECT_FALSE(EqualsIgnoringCase("rpy", "rp"));
    EXPECT_FALSE(EqualsIgnoringCase("rpy", "rpz"));
    EXPECT_FALSE(EqualsIgnoringCase("\x82\xA0"sv, "\x82\x80"sv));  // 0xA0 and 0x80 differ by 0x20
    EXPECT_FALSE(EqualsIgnoringCase("@", "`"));                    // neighbours of the letters
}

}  // namespace
}  // namespace pellan
