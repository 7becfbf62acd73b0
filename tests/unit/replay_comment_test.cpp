// The comment rewrite, byte for byte, and saving and loading through real files.
#include "userblock/replay_comment.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <optional>
#include <tuple>
#include <vector>

#include "test_support.h"
#include "tools/replay_builder.h"

namespace pellan {
namespace {

using namespace std::string_view_literals;
using namespace std::string_literals;
using samples::BlockSpec;
using samples::BuildReplay;
using samples::Comment;
using samples::ReplaySpec;
using samples::Summary;

constexpr ReplayFormat kNewFormat{"vrsk", BlockTail::NulAndZero, BlockTail::NulAndZero};
constexpr ReplayFormat kQuilletFormat{"vrsk", BlockTail::NulOnly, BlockTail::NulOnly};
constexpr ReplayFormat kPeltraFormat{"vrsk", BlockTail::NulAndKeptByte, BlockTail::NulOnly};
const std::string kBody = "BODY-BYTES";

BlockSpec Block(std::uint8_t type, std::string body, std::optional<std::uint32_t> size = std::nullopt) {
    BlockSpec block;
    block.type = type;
    block.body = std::move(body);
    block.size = size;
    return block;
}

ReplaySpec Chain(std::vector<BlockSpec> blocks, std::uint8_t count = 0xFF) {
    ReplaySpec replaySpec = samples::ReplayOf("vrsk", kBody, std::move(blocks));
    replaySpec.blockCount = count;
    return replaySpec;
}

struct RewriteCase {
    const char* name;
    const ReplayFormat* format;
    ReplaySpec original;
    std::string comment;
    ReplaySpec expected;  // the same header and body; blockCount as the rewrite must set it
};

TEST(RewriteReplayComment, WritesPrefixSummaryAndCommentExactly) {
    const std::vector<RewriteCase> cases = {
        {"new generation", &kNewFormat, Chain({Block(2, "other\0"s), Summary("sum"), Comment("old")}), "new",
         Chain({Block(0, "sum\0\0"s), Block(1, "new\0\0"s)}, 2)},
        {"NulOnly", &kQuilletFormat, Chain({Block(2, "other\0"s), Summary("sum", 0), Comment("old", 0)}), "new",
         Chain({Block(0, "sum\0"s), Block(1, "new\0"s)}, 2)},
        {"kept byte", &kPeltraFormat, Chain({Block(0, "sum\0\x05\x06"s), Comment("old", 0)}), "new",
         Chain({Block(0, "sum\0\x05"s), Block(1, "new\0"s)}, 2)},
        {"zero, not the byte after the NUL", &kNewFormat, Chain({Block(0, "sum\0\x05"s)}), "", Chain({Block(0, "sum\0\0"s)}, 1)},
        {"kept byte absent", &kPeltraFormat, Chain({Block(0, "sum\0"s)}), "new",
         Chain({Block(0, "sum\0\0"s), Block(1, "new\0"s)}, 2)},
        {"kept byte of a text without NUL", &kPeltraFormat, Chain({Block(0, "sum")}), "",
         Chain({Block(0, "sum\0\0"s)}, 1)},
        {"empty comment drops the comment block", &kNewFormat, Chain({Summary("sum"), Comment("old")}), "",
         Chain({Block(0, "sum\0\0"s)}, 1)},
        {"nothing left", &kNewFormat, Chain({Comment("old"), Block(3, "x\0"s)}), "", Chain({}, 0)},
        {"no summary", &kNewFormat, Chain({Comment("old")}), "new", Chain({Block(1, "new\0\0"s)}, 1)},
        {"second summary dropped", &kNewFormat, Chain({Summary("one"), Summary("two")}), "c",
         Chain({Block(0, "one\0\0"s), Block(1, "c\0\0"s)}, 2)},
        {"summary without NUL", &kNewFormat, Chain({Block(0, "abc")}), "", Chain({Block(0, "abc\0\0"s)}, 1)},
        {"empty summary text, two zeros", &kNewFormat, Chain({Block(0, "\0junk"s)}), "", Chain({Block(0, "\0\0"s)}, 1)},
        {"empty summary text, one zero", &kQuilletFormat, Chain({Block(0, "\0junk"s)}), "", Chain({Block(0, "\0"s)}, 1)},
        {"comment cut at its NUL", &kNewFormat, Chain({}), "ab\0cd"s, Chain({Block(1, "ab\0\0"s)}, 1)},
        {"Shift-JIS lines", &kQuilletFormat, Chain({}), "\x82\xA0\r\n\x95\x5C", Chain({Block(1, "\x82\xA0\r\n\x95\x5C\0"s)}, 1)},
        {"summary cut short by the end", &kNewFormat, [] { auto s = Chain({Summary("summary")}); s.truncateTo = 16 + 10 + 12 + 3; return s; }(),
         "c", Chain({Block(0, "sum\0\0"s), Block(1, "c\0\0"s)}, 2)},
        {"USER offset at the size", &kNewFormat, Chain({}), "c", Chain({Block(1, "c\0\0"s)}, 1)},
    };
    for (const RewriteCase& c : cases) {
        samples::Bytes original = BuildReplay(c.original);
        auto rewritten = RewriteReplayComment(ByteView(original.data(), original.size()), *c.format, c.comment);
        ASSERT_TRUE(rewritten) << c.name;
        samples::Bytes expected = BuildReplay(c.expected);
        EXPECT_EQ(*rewritten, expected) << c.name;
        // The header fields straight from the bytes, independent of the builder.
        ASSERT_GE(rewritten->size(), 16u);
        EXPECT_EQ((*rewritten)[7], c.expected.blockCount) << c.name;
        EXPECT_TRUE(std::equal(original.begin(), original.begin() + 7, rewritten->begin())) << c.name;
        EXPECT_TRUE(std::equal(original.begin() + 8, original.begin() + 16 + kBody.size(), rewritten->begin() + 8)) << c.name;
    }
}

TEST(RewriteReplayComment, BlockSizesFollowTheTailStyle) {
    // text of n bytes: n + 14 with NUL and zero, n + 13 with NUL only
    samples::Bytes original = BuildReplay(Chain({Summary("12345")}));
    const std::size_t chain = 16 + kBody.size();
    for (auto [format, summarySize, commentSize] :
         {std::tuple{&kNewFormat, 5u + 14, 3u + 14}, std::tuple{&kQuilletFormat, 5u + 13, 3u + 13},
          std::tuple{&kPeltraFormat, 5u + 14, 3u + 13}}) {
        auto out = RewriteReplayComment(ByteView(original.data(), original.size()), *format, "abc");
        ASSERT_TRUE(out);
        ASSERT_EQ(out->size(), chain + summarySize + commentSize);
        EXPECT_EQ(LoadU32(ByteView(out->data(), out->size()), chain + 4), summarySize);
        EXPECT_EQ(LoadU32(ByteView(out->data(), out->size()), chain + summarySize + 4), commentSize);
        EXPECT_EQ((*out)[chain + summarySize + 8], 1);  // type of the comment block
    }
}

TEST(RewriteReplayComment, RefusesImagesItCannotRewrite) {
    struct Case {
        const char* name;
        samples::Bytes image;
    };
    auto withOffset = [](std::uint32_t offset) {
        ReplaySpec replaySpec = Chain({Summary("s")});
        replaySpec.userOffset = offset;
        return BuildReplay(replaySpec);
    };
    samples::Bytes good = BuildReplay(Chain({Summary("s")}));
    const std::vector<Case> cases = {
        {"USER offset 0", withOffset(0)},
        {"USER offset inside the header", withOffset(15)},
        {"USER offset beyond the size", withOffset(std::uint32_t(good.size() + 1))},
        {"USER offset 0xFFFFFFFF", withOffset(0xFFFFFFFFu)},
        {"wrong magic", [] { auto s = Chain({Summary("s")}); s.magic = "qllt"; return BuildReplay(s); }()},
        {"shorter than the header", samples::Bytes(good.begin(), good.begin() + 15)},
        {"three bytes", samples::Bytes(good.begin(), good.begin() + 3)},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(RewriteReplayComment(ByteView(c.image.data(), c.image.size()), kNewFormat, "c")) << c.name;
    }
}

class ReplayFileTest : public ::testing::Test {
protected:
    std::string Write(std::string_view name, const samples::Bytes& bytes) { return dir.Write(name, bytes); }
    testing::TempDir dir;
    samples::Bytes replay = BuildReplay(Chain({Block(2, "x\0"s), Summary("sum"), Comment("old")}));
};

TEST_F(ReplayFileTest, SaveRewritesTheFileInPlace) {
    std::string path = Write("varesk_01.rpy", replay);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(SaveReplayComment(path, kNewFormat, "new\r\ncomment"));
    auto expected = RewriteReplayComment(ByteView(replay.data(), replay.size()), kNewFormat, "new\r\ncomment");
    ASSERT_TRUE(expected);
    EXPECT_EQ(testing::ReadFile(path), *expected);
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"varesk_01.rpy"});  // no temporary file left

    std::string comment;
    ASSERT_TRUE(LoadReplayComment(path, kNewFormat, comment));
    EXPECT_EQ(comment, "new\r\ncomment");
    ASSERT_TRUE(SaveReplayComment(path, kNewFormat, ""));
    EXPECT_FALSE(LoadReplayComment(path, kNewFormat, comment));
    EXPECT_EQ(testing::ReadFile(path)[7], 1);
}

TEST_F(ReplayFileTest, ExtensionInCapitalsIsAccepted) {
    std::string path = Write("A.RPY", replay);
    EXPECT_TRUE(SaveReplayComment(path, kNewFormat, "c"));
    std::string comment;
    EXPECT_TRUE(LoadReplayComment(path, kNewFormat, comment));
    EXPECT_EQ(comment, "c");
}

TEST_F(ReplayFileTest, FailedSaveKeepsEveryByte) {
    ReplaySpec beyond = Chain({Summary("sum"), Comment("old")});
    beyond.userOffset = 5000;
    ReplaySpec foreign = Chain({Summary("sum"), Comment("old")});
    foreign.magic = "qllt";
    struct Case {
        const char* name;
        samples::Bytes bytes;
    };
    const std::vector<Case> cases = {
        {"a.rpx", replay},
        {"a.rpy.bak", replay},
        {"noext", replay},
        {"foreign.rpy", BuildReplay(foreign)},
        {"beyond.rpy", BuildReplay(beyond)},
        {"short.rpy", samples::Bytes(replay.begin(), replay.begin() + 10)},
        {"empty.rpy", {}},
    };
    for (const Case& c : cases) {
        std::string path = Write(c.name, c.bytes);
        EXPECT_FALSE(SaveReplayComment(path, kNewFormat, "new")) << c.name;
        EXPECT_EQ(testing::ReadFile(path), c.bytes) << c.name;
    }
    EXPECT_FALSE(SaveReplayComment(dir.File("missing.rpy"), kNewFormat, "new"));
    ::mkdir(dir.File("folder.rpy").c_str(), 0755);
    EXPECT_FALSE(SaveReplayComment(dir.File("folder.rpy"), kNewFormat, "new"));
    EXPECT_EQ(dir.Names().size(), cases.size() + 1);  // nothing created, no temporary file left
}

TEST_F(ReplayFileTest, ReadOnlyReplayIsNotRewritten) {
    std::string path = Write("varesk_02.rpy", replay);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(SaveReplayComment(path, kNewFormat, "new"));
    EXPECT_EQ(testing::ReadFile(path), replay);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"varesk_02.rpy"});  // no temporary file left
}

// A write that fails half way (here: the file-size limit of the process stops the temporary
// file after a few bytes, for root too) leaves the replay as it was and no temporary file.
TEST_F(ReplayFileTest, WriteThatFailsHalfWayKeepsEveryByte) {
    std::string path = Write("varesk_03.rpy", replay);
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
    struct rlimit tight = saved;
    tight.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    bool saved_ok = SaveReplayComment(path, kNewFormat, "a comment that will not fit");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(testing::ReadFile(path), replay);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"varesk_03.rpy"});
}

TEST_F(ReplayFileTest, LoadNeedsAReplayWithACommentBlock) {
    std::string comment = "unchanged";
    ReplaySpec atEnd = Chain({});
    struct Case {
        const char* name;
        samples::Bytes bytes;
        bool found;
        std::string_view text;
    };
    const std::vector<Case> cases = {
        {"a.rpy", replay, true, "old"},
        {"b.RpY", replay, true, "old"},
        {"no_comment.rpy", BuildReplay(Chain({Summary("sum")})), false, ""},
        {"at_end.rpy", BuildReplay(atEnd), false, ""},
        {"a.txt", replay, false, ""},
        {"empty.rpy", {}, false, ""},
    };
    for (const Case& c : cases) {
        std::string text;
        EXPECT_EQ(LoadReplayComment(Write(c.name, c.bytes), kNewFormat, text), c.found) << c.name;
        if (c.found) {
            EXPECT_EQ(text, c.text) << c.name;
        }
    }
    EXPECT_FALSE(LoadReplayComment(dir.File("missing.rpy"), kNewFormat, comment));
}

}  // namespace
}  // namespace pellan
