#include "frame/comment_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pellan {
namespace {

using namespace std::string_view_literals;

struct DisplayCase {
    std::string_view comment;
    std::string_view newWhole, newFirst, newSlash;  // modes 0, 1, 2 of the new generation
    std::string_view oldWhole, oldFirst, oldSlash;  // and of the old one
};

TEST(CommentDisplayText, BothGenerationsAllModes) {
    const std::vector<DisplayCase> cases = {
        {"a\r\nb"sv, "a\r\nb"sv, "a"sv, "a/b"sv, "a\r\nb"sv, "a"sv, "a/b"sv},
        {"a\nb\r\nc"sv, "a\nb\r\nc"sv, "a\nb"sv, "a\nb/c"sv, "a\nb\r\nc"sv, "a"sv, "a/b/c"sv},
        {"a\rb"sv, "a\rb"sv, "a\rb"sv, "a\rb"sv, "a\rb"sv, "a"sv, "a/b"sv},
        {"a\nb"sv, "a\nb"sv, "a"sv, "a\nb"sv, "a\nb"sv, "a"sv, "a/b"sv},
        {"ab\r\n"sv, "ab\r\n"sv, "ab"sv, "ab/"sv, "ab\r\n"sv, "ab"sv, "ab/"sv},
        {"\r\nab"sv, "\r\nab"sv, ""sv, "/ab"sv, "\r\nab"sv, ""sv, "/ab"sv},
        {"\r\r\n\n"sv, "\r\r\n\n"sv, "\r"sv, "\r/\n"sv, "\r\r\n\n"sv, ""sv, "///"sv},
        {""sv, ""sv, ""sv, ""sv, ""sv, ""sv, ""sv},
        {"abc"sv, "abc"sv, "abc"sv, "abc"sv, "abc"sv, "abc"sv, "abc"sv},
        {"\x82\xA0\r\n\x82\xA2"sv, "\x82\xA0\r\n\x82\xA2"sv, "\x82\xA0"sv, "\x82\xA0/\x82\xA2"sv,
         "\x82\xA0\r\n\x82\xA2"sv, "\x82\xA0"sv, "\x82\xA0/\x82\xA2"sv},
        // a CR right behind a lead byte belongs to that character in every character-wise walk
        {"\x82\r\nb"sv, "\x82\r\nb"sv, "\x82"sv, "\x82\r\nb"sv, "\x82\r\nb"sv, "\x82\r"sv, "\x82\r/b"sv},
        {"x\x82\nb\r\nc"sv, "x\x82\nb\r\nc"sv, "x\x82\nb"sv, "x\x82\nb/c"sv, "x\x82\nb\r\nc"sv, "x\x82\nb"sv, "x\x82\nb/c"sv},
        {"ab\x82"sv, "ab\x82"sv, "ab\x82"sv, "ab\x82"sv, "ab\x82"sv, "ab\x82"sv, "ab\x82"sv},  // a lone lead byte at the end
        {"a\r\nb\0c\r\nd"sv, "a\r\nb"sv, "a"sv, "a/b"sv, "a\r\nb"sv, "a"sv, "a/b"sv},  // the comment ends at its NUL
    };
    for (const DisplayCase& c : cases) {
        std::string shown = ::testing::PrintToString(std::string(c.comment));
        EXPECT_EQ(CommentDisplayText(c.comment, kWholeComment, Generation::New), c.newWhole) << shown;
        EXPECT_EQ(CommentDisplayText(c.comment, kFirstLine, Generation::New), c.newFirst) << shown;
        EXPECT_EQ(CommentDisplayText(c.comment, kLineBreaksAsSlash, Generation::New), c.newSlash) << shown;
        EXPECT_EQ(CommentDisplayText(c.comment, kWholeComment, Generation::Old), c.oldWhole) << shown;
        EXPECT_EQ(CommentDisplayText(c.comment, kFirstLine, Generation::Old), c.oldFirst) << shown;
        EXPECT_EQ(CommentDisplayText(c.comment, kLineBreaksAsSlash, Generation::Old), c.oldSlash) << shown;
    }
}

TEST(CutCommentToSlot, KeepsAtMost511BytesAndWholeCharacters) {
    const std::string a509(509, 'a'), a510(510, 'a');
    struct Case {
        std::string text;
        std::size_t expected;
    };
    const std::vector<Case> cases = {
        {std::string(511, 'a'), 511},
        {std::string(512, 'a'), 511},
        {std::string(600, 'a'), 511},
        {a510 + "\x82\xA0", 510},                 // byte 510 begins "あ"
        {a510 + "\x82\xA0" + "bbbb", 510},
        {a509 + "\x82\xA0" + "bbbb", 511},        // "あ" ends at byte 510
        {a510 + "\x82", 511},                     // short enough: nothing is cut
        // runs of 0x82 pair up from the start: byte 510 is a lead byte only when the run starts at 0
        {std::string(510, '\x82') + "\x82\xA0" + "b", 510},
        {"a" + std::string(509, '\x82') + "\x82\xA0" + "b", 511},
    };
    for (const Case& c : cases) {
        std::string_view cut = CutCommentToSlot(c.text);
        EXPECT_EQ(cut.size(), c.expected) << "text of " << c.text.size() << " bytes";
        EXPECT_EQ(cut, std::string_view(c.text).substr(0, c.expected));
    }
}

}  // namespace
}  // namespace pellan
