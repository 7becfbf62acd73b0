// The comment editor's logic through a fake view over real replay files: what the box shows on
// opening, what OK writes and returns, and that Cancel, the close box and a failed save leave
// the replay byte for byte as it was.
#include "frame/dialogs/comment_editor.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_dialog_view.h"
#include "frame/plugin_calls.h"
#include "test_support.h"
#include "tools/replay_builder.h"
#include "userblock/replay_comment.h"

namespace pellan {
namespace {

using namespace std::string_literals;
using testing::FakeDialogView;

constexpr ReplayFormat kNewFormat{"vrsk", BlockTail::NulAndZero, BlockTail::NulAndZero};
constexpr ReplayFormat kOldFormat{"MSSL", BlockTail::NulOnly, BlockTail::NulOnly};
// Any non-null value: the editor only hands it on to the edit box.
platform::FontHandle const kFont = reinterpret_cast<platform::FontHandle>(0x1234);

samples::Bytes Replay(const ReplayFormat& format, std::vector<samples::BlockSpec> blocks) {
    return samples::BuildReplay(samples::ReplayOf(std::string(format.magic), "BODY", std::move(blocks)));
}

unsigned ExtraZeros(const ReplayFormat& format) { return format.commentTail == BlockTail::NulAndZero ? 1 : 0; }

samples::Bytes WithComment(const ReplayFormat& format, std::string_view comment) {
    unsigned extra = ExtraZeros(format);
    return Replay(format, {samples::Summary("Name Alice\r\n", extra), samples::Comment(comment, extra)});
}

class CommentEditorTest : public ::testing::Test {
protected:
    std::string Write(std::string_view name, const samples::Bytes& bytes) { return dir.Write(name, bytes); }
    testing::TempDir dir;
};

TEST_F(CommentEditorTest, OpensWithTheFontAndTheCommentExactlyAsStored) {
    struct Case {
        const char* name;
        const ReplayFormat* format;
        std::string comment;
    };
    const std::vector<Case> cases = {
        {"one line", &kNewFormat, "good run"},
        {"CR LF lines", &kNewFormat, "line one\r\nline two\r\n"},
        {"lone LF kept", &kOldFormat, "a\nb\n\nc"},
        {"Shift-JIS with a 0x5C trail byte", &kOldFormat, "\x83\x5C\x83\x74\x83\x67 \x95\x5C"},
        {"longer than any edit box default", &kNewFormat, std::string(40000, 'x') + "end"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = Write("varesk_01.rpy", WithComment(*c.format, c.comment));
        CommentEditor editor(path, *c.format, kFont);
        FakeDialogView view;
        editor.OnInit(view);
        EXPECT_EQ(view.fonts, (std::map<int, platform::FontHandle>{{kCommentEditBox, kFont}}));
        EXPECT_EQ(view.ItemText(kCommentEditBox), c.comment);
        EXPECT_EQ(view.endCalls, 0);
    }
}

TEST_F(CommentEditorTest, OpensEmptyWhenThereIsNoCommentToShow) {
    std::string noComment = Write("varesk_02.rpy", Replay(kNewFormat, {samples::Summary("Name Bob\r\n")}));
    std::string wrongMagic = Write("varesk_03.rpy", WithComment(kOldFormat, "hidden"));
    std::string wrongExtension = Write("varesk_04.rep", WithComment(kNewFormat, "hidden"));
    std::string tooShort = Write("varesk_05.rpy", {'v', 'r', 's'});
    for (const std::string& path : {noComment, wrongMagic, wrongExtension, tooShort, dir.File("missing.rpy"), dir.path()}) {
        SCOPED_TRACE(path);
        CommentEditor editor(path, kNewFormat, kFont);
        FakeDialogView view;
        editor.OnInit(view);
        EXPECT_EQ(view.texts.count(kCommentEditBox), 0u);
        EXPECT_EQ(view.fonts.at(kCommentEditBox), kFont);
        EXPECT_EQ(view.endCalls, 0);
    }
}

TEST_F(CommentEditorTest, OkWritesTheBoxsTextAndEndsWithDone) {
    struct Case {
        const char* name;
        const ReplayFormat* format;
        std::string before;
        std::string typed;
        samples::Bytes expected;
    };
    const std::vector<Case> cases = {
        {"unchanged", &kNewFormat, "keep", "keep", WithComment(kNewFormat, "keep")},
        {"changed", &kOldFormat, "old", "new text", WithComment(kOldFormat, "new text")},
        {"several lines", &kNewFormat, "", "one\r\ntwo\r\nthree", WithComment(kNewFormat, "one\r\ntwo\r\nthree")},
        // The comment block goes, and the block count at offset 7 says 1.
        {"emptied", &kNewFormat, "gone", "", Replay(kNewFormat, {samples::Summary("Name Alice\r\n")})},
        {"emptied, old generation", &kOldFormat, "gone", "", Replay(kOldFormat, {samples::Summary("Name Alice\r\n", 0)})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = Write("varesk_01.rpy", WithComment(*c.format, c.before));
        CommentEditor editor(path, *c.format, kFont);
        FakeDialogView view;
        editor.OnInit(view);
        view.texts[kCommentEditBox] = c.typed;
        EXPECT_TRUE(editor.OnCommand(view, kOkCommand, 0));
        EXPECT_EQ(view.endCalls, 1);
        EXPECT_EQ(view.endCode, kDone);
        EXPECT_EQ(testing::ReadFile(path), c.expected);
    }
    ASSERT_EQ(Replay(kNewFormat, {samples::Summary("x")})[7], 1);
}

TEST_F(CommentEditorTest, OkReadsTheReplayAgainWhenSaving) {
    std::string path = Write("varesk_01.rpy", WithComment(kNewFormat, "first"));
    CommentEditor editor(path, kNewFormat, kFont);
    FakeDialogView view;
    editor.OnInit(view);
    // The game rewrote the replay while the dialog was open.
    samples::Bytes replaced = Replay(kNewFormat, {samples::Summary("Name Carol\r\n"), samples::Comment("first")});
    testing::WriteFile(path, replaced);
    view.texts[kCommentEditBox] = "second";
    editor.OnCommand(view, kOkCommand, 0);
    EXPECT_EQ(view.endCode, kDone);
    EXPECT_EQ(testing::ReadFile(path),
              Replay(kNewFormat, {samples::Summary("Name Carol\r\n"), samples::Comment("second")}));
}

TEST_F(CommentEditorTest, CancelAndTheCloseBoxLeaveTheReplayAlone) {
    for (bool close : {false, true}) {
        SCOPED_TRACE(close ? "closed" : "cancelled");
        samples::Bytes original = WithComment(kNewFormat, "as it was");
        std::string path = Write("varesk_01.rpy", original);
        CommentEditor editor(path, kNewFormat, kFont);
        FakeDialogView view;
        editor.OnInit(view);
        view.texts[kCommentEditBox] = "edited but not saved";
        if (close)
            editor.OnClose(view);
        else
            EXPECT_TRUE(editor.OnCommand(view, kCancelCommand, 0));
        EXPECT_EQ(view.endCalls, 1);
        EXPECT_EQ(view.endCode, kCancelled);
        EXPECT_EQ(testing::ReadFile(path), original);
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"varesk_01.rpy"});
    }
}

TEST_F(CommentEditorTest, AFailedSaveClosesWithCancelledAndKeepsEveryByte) {
    samples::Bytes replay = WithComment(kNewFormat, "locked");
    std::string readOnly = Write("varesk_01.rpy", replay);
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    samples::Bytes notReplay = WithComment(kOldFormat, "other game");
    std::string other = Write("varesk_02.rpy", notReplay);
    struct Case {
        std::string path;
        samples::Bytes bytes;
        std::string shown;
    };
    for (const Case& c : std::vector<Case>{{readOnly, replay, "locked"}, {other, notReplay, ""}}) {
        SCOPED_TRACE(c.path);
        CommentEditor editor(c.path, kNewFormat, kFont);
        FakeDialogView view;
        editor.OnInit(view);
        EXPECT_EQ(view.ItemText(kCommentEditBox), c.shown);
        view.texts[kCommentEditBox] = "typed";
        EXPECT_TRUE(editor.OnCommand(view, kOkCommand, 0));
        EXPECT_EQ(view.endCalls, 1);
        EXPECT_EQ(view.endCode, kCancelled);
        EXPECT_EQ(testing::ReadFile(c.path), c.bytes);
    }
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"varesk_01.rpy", "varesk_02.rpy"}));
    ::chmod(readOnly.c_str(), 0644);
}

TEST_F(CommentEditorTest, CommandsOfTheEditBoxAreLeftToTheSystem) {
    samples::Bytes original = WithComment(kNewFormat, "text");
    std::string path = Write("varesk_01.rpy", original);
    CommentEditor editor(path, kNewFormat, kFont);
    FakeDialogView view;
    editor.OnInit(view);
    constexpr int kEditChange = 0x0300;  // EN_CHANGE
    EXPECT_FALSE(editor.OnCommand(view, kCommentEditBox, kEditChange));
    EXPECT_FALSE(editor.OnCommand(view, 0, 0));
    EXPECT_EQ(view.endCalls, 0);
    EXPECT_EQ(testing::ReadFile(path), original);
}

}  // namespace
}  // namespace pellan
