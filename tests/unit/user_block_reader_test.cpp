// The USER-block walk over chains made with the replay builder, damaged ones included.
#include "userblock/user_block_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

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

constexpr std::string_view kMagic = "vrsk";
const std::string kBody = "replay body";  // the USER chain starts at 16 + 11 = 27

BlockSpec Block(std::uint8_t type, std::string body, std::optional<std::uint32_t> size = std::nullopt) {
    BlockSpec block;
    block.type = type;
    block.body = std::move(body);
    block.size = size;
    return block;
}

ReplaySpec Chain(std::vector<BlockSpec> blocks) {
    return samples::ReplayOf(std::string(kMagic), kBody, std::move(blocks));
}

ReplaySpec WithOffset(ReplaySpec replaySpec, std::uint32_t offset) {
    replaySpec.userOffset = offset;
    return replaySpec;
}

ReplaySpec CutTo(ReplaySpec replaySpec, std::size_t size) {
    replaySpec.truncateTo = size;
    return replaySpec;
}

struct WalkCase {
    const char* name;
    ReplaySpec replaySpec;
    BlockType wanted;
    std::optional<std::string> text;           // nothing: no block found
    std::optional<std::uint32_t> blockSize;    // checked when given
};

TEST(FindUserBlock, WalksTheChain) {
    const std::size_t chainStart = 16 + kBody.size();
    const std::vector<WalkCase> cases = {
        {"other type first", Chain({Block(2, "xx\0"s), Summary("sum"), Comment("note")}), BlockType::Comment, "note", 12 + 6},
        {"summary behind other type", Chain({Block(2, "xx\0"s), Summary("sum"), Comment("note")}), BlockType::Summary, "sum", 12 + 5},
        {"first of two summaries", Chain({Summary("one"), Summary("two")}), BlockType::Summary, "one", std::nullopt},
        {"no comment block", Chain({Summary("sum")}), BlockType::Comment, std::nullopt, std::nullopt},
        {"empty chain", Chain({}), BlockType::Summary, std::nullopt, std::nullopt},
        // a size of 12 or less skips nothing: the next header follows 12 bytes after this one
        {"size 0 skips nothing", Chain({Block(2, "", 0u), Comment("c")}), BlockType::Comment, "c", std::nullopt},
        {"size 11 skips nothing", Chain({Block(2, "", 11u), Comment("c")}), BlockType::Comment, "c", std::nullopt},
        {"size 12 skips nothing", Chain({Block(2, "", 12u), Comment("c")}), BlockType::Comment, "c", std::nullopt},
        {"size 0xFFFFFFFF ends the walk", Chain({Block(2, "xx", 0xFFFFFFFFu), Comment("c")}), BlockType::Comment, std::nullopt, std::nullopt},
        {"size past the end ends the walk", Chain({Block(2, "xx", 12 + 2 + 12 + 3 + 1), Comment("c", 0)}), BlockType::Comment, std::nullopt, std::nullopt},
        {"size to the very end ends the walk", Chain({Block(2, "xx", 12 + 2 + 12 + 2), Comment("c", 0)}), BlockType::Comment, std::nullopt, std::nullopt},
        // a wanted block whose size leaves no room for a body is found with an empty text
        {"wanted size 0", Chain({Block(1, "abc\0"s, 0u)}), BlockType::Comment, "", 0u},
        {"wanted size 11", Chain({Block(1, "abc\0"s, 11u)}), BlockType::Comment, "", 11u},
        {"wanted size 12", Chain({Block(1, "abc\0"s, 12u)}), BlockType::Comment, "", 12u},
        {"wanted size 0xFFFFFFFF", Chain({Block(1, "abc\0"s, 0xFFFFFFFFu)}), BlockType::Comment, "abc", 0xFFFFFFFFu},
        {"body cut by the end", CutTo(Chain({Comment("abcdef")}), chainStart + 12 + 2), BlockType::Comment, "ab", 12 + 8},
        {"header only", CutTo(Chain({Summary("s"), Comment("abc")}), chainStart + 15 + 12), BlockType::Comment, "", std::nullopt},
        {"trailing fragment", CutTo(Chain({Summary("s"), Comment("abc")}), chainStart + 15 + 11), BlockType::Comment, std::nullopt, std::nullopt},
        {"body without NUL", Chain({Block(1, "xyz")}), BlockType::Comment, "xyz", 15u},
        {"text ends at the first NUL", Chain({Block(1, "ab\0cd\0"s)}), BlockType::Comment, "ab", std::nullopt},
        {"marker other than USER", Chain({[] { auto b = Comment("fake"); b.marker = "USEX"; return b; }(), Comment("real")}),
         BlockType::Comment, "real", std::nullopt},
        {"USER offset 0", WithOffset(Chain({Summary("s")}), 0), BlockType::Summary, std::nullopt, std::nullopt},
        {"USER offset at the size", WithOffset(Chain({}), std::uint32_t(chainStart)), BlockType::Summary, std::nullopt, std::nullopt},
        {"USER offset beyond the size", WithOffset(Chain({Summary("s")}), 1000), BlockType::Summary, std::nullopt, std::nullopt},
        {"USER offset 0xFFFFFFFF", WithOffset(Chain({Summary("s")}), 0xFFFFFFFFu), BlockType::Summary, std::nullopt, std::nullopt},
        {"USER offset into the body", WithOffset(Chain({Summary("s")}), 16 + 4), BlockType::Summary, std::nullopt, std::nullopt},
    };
    for (const WalkCase& c : cases) {
        samples::Bytes image = BuildReplay(c.replaySpec);
        auto found = FindUserBlock(ByteView(image.data(), image.size()), kMagic, c.wanted);
        ASSERT_EQ(found.has_value(), c.text.has_value()) << c.name;
        if (!found) continue;
        EXPECT_EQ(found->Text(), *c.text) << c.name;
        if (c.blockSize) {
            EXPECT_EQ(found->blockSize, *c.blockSize) << c.name;
        }
        EXPECT_LE(found->body.size(), image.size()) << c.name;
    }
}

TEST(FindUserBlock, ShortOrForeignImagesHaveNoBlocks) {
    samples::Bytes image = BuildReplay(Chain({Summary("s")}));
    for (std::size_t size : {0, 3, 4, 15}) {
        EXPECT_FALSE(FindUserBlock(ByteView(image.data(), size), kMagic, BlockType::Summary)) << size;
    }
    EXPECT_TRUE(FindUserBlock(ByteView(image.data(), image.size()), kMagic, BlockType::Summary));
    EXPECT_FALSE(FindUserBlock(ByteView(image.data(), image.size()), "qllt", BlockType::Summary));
}

TEST(FoundUserBlock, HeldSizeAndByteAfterText) {
    struct Case {
        std::uint32_t blockSize;
        std::string body;
        std::uint32_t held;
        std::uint8_t after;
    };
    const std::vector<Case> cases = {
        {12 + 5, "sum\0\x07"s, 12 + 5 - 11, 7},
        {12 + 4, "sum\0"s, 5, 0},
        {12 + 3, "sum", 4, 0},                 // no NUL in the block
        {12 + 6, "\0\0\0\0\0\0"s, 7, 0},
        {0xFFFFFFFFu, "ab\0\x09"s, 5, 9},      // never more than the image holds plus one
        {12, "", 1, 0},
        {5, "", 1, 0},
    };
    for (const Case& c : cases) {
        FoundUserBlock block;
        block.blockSize = c.blockSize;
        block.body = c.body;
        EXPECT_EQ(block.HeldSize(), c.held) << c.blockSize;
        EXPECT_EQ(block.ByteAfterText(), c.after) << c.blockSize;
    }
}

TEST(ReadUserText, GivesTheTextOfTheFirstWantedBlock) {
    samples::Bytes image = BuildReplay(Chain({Block(2, "x\0"s), Summary("\x83\x76\x83\x8C\x83\x43"), Comment("a\r\nb")}));
    std::string text;
    ASSERT_TRUE(ReadUserText(ByteView(image.data(), image.size()), kMagic, BlockType::Summary, text));
    EXPECT_EQ(text, "\x83\x76\x83\x8C\x83\x43");
    ASSERT_TRUE(ReadUserText(ByteView(image.data(), image.size()), kMagic, BlockType::Comment, text));
    EXPECT_EQ(text, "a\r\nb");
    samples::Bytes bare = BuildReplay(Chain({}));
    EXPECT_FALSE(ReadUserText(ByteView(bare.data(), bare.size()), kMagic, BlockType::Summary, text));
}

}  // namespace
}  // namespace pellan
