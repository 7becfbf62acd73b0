// The behaviour behind the exports, driven with small descriptors defined here. Buffers handed
// out are freed with free(), as the host does on Linux.
#include "frame/plugin_calls.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <cstring>
#include <vector>

#include "test_support.h"
#include "tools/replay_builder.h"

namespace pellan {
namespace {

using namespace std::string_view_literals;
using namespace std::string_literals;
using samples::BuildReplay;
using samples::Comment;
using samples::ReplaySpec;
using samples::Summary;

constexpr std::size_t kSummarySlot = 4;
constexpr std::size_t kCommentSlot = 5;

constexpr ColumnSpec kColumns[] = {
    kFileNameColumn, kLastWriteColumn, {"No."}, {"スコア", 1, kWholeNumber}, {"サマリ"}, {"コメント"}, kFileSizeColumn,
};
constexpr SettingSpec kSettings[] = {{SettingKey::CommentBlt, 0, 0, 2}};

// Stands in for a game's summary reader: the whole summary text into each slot of its keys.
constexpr SummaryKey kSummaryKeys[] = {{"", kSummarySlot}};
void ReadWholeSummary(const FoundUserBlock& summary, const PluginSettings&, std::span<const SummaryKey> keys,
                      SlotValues& row) {
    for (const SummaryKey& key : keys) row[key.slot] = std::string(summary.Text());
}

const UserBlockTraits kNewTraits{
    Generation::New,
    {"vrsk", BlockTail::NulAndZero, BlockTail::NulAndZero},
    {ReplayNumberRule::Match::Pattern, "varesk_??.rpy", 25, "varesk_ud????.rpy"},
    kCommentSlot,
    ReadWholeSummary,
    kSummaryKeys,
};
const UserBlockTraits kOldTraits{
    Generation::Old,
    {"vrsk", BlockTail::NulOnly, BlockTail::NulOnly},
    {ReplayNumberRule::Match::PrefixAndSuffix, "varesk_", 15, ""},
    kCommentSlot,
    nullptr,
    {},
};
const VersusTraits kNoRecord{nullptr};

// The descriptors are filled field by field, so that fields these tests do not use keep their
// zero values.
PluginDescriptor Descriptor(std::string_view section, std::int32_t revision,
                            std::array<std::string_view, 4> info, std::uint32_t identifyBytes,
                            const UserBlockTraits* userBlock, const VersusTraits* versus) {
    PluginDescriptor plugin{};
    plugin.revision = revision;
    plugin.info = info;
    plugin.columns = kColumns;
    plugin.identifyBytes = identifyBytes;
    plugin.settings = {section, kSettings};
    plugin.userBlock = userBlock;
    plugin.versus = versus;
    return plugin;
}

const PluginDescriptor kNewPlugin = Descriptor(
    "testnew", 2,
    {"TOLVEN Plug-in For Grottamar Ver1.00", "Grottamar", "varesk_*.rpy", "Grottamar リプレイファイル(varesk_*.rpy)"}, 4,
    &kNewTraits, nullptr);
const PluginDescriptor kOldPlugin =
    Descriptor("testold", 1, {"old", "Old", "varesk_*.rpy", "Old"}, 4, &kOldTraits, nullptr);
// A versus plug-in whose record is not there yet accepts nothing.
const PluginDescriptor kVersusPlugin =
    Descriptor("testvs", 1, {"vs", "Vs", "*.rep", "Vs"}, 12, nullptr, &kNoRecord);

// A buffer from the plug-in, freed as the host frees it.
struct HostBuffer {
    char* data = nullptr;
    ~HostBuffer() { std::free(data); }
};

char* const kUntouched = reinterpret_cast<char*>(0x1234);

TEST(PluginInfo, CopiesOnlyIntoABufferThatHoldsTheNul) {
    const std::string_view about = "TOLVEN Plug-in For Grottamar Ver1.00";
    ASSERT_EQ(about.size(), 36u);
    char buffer[64];
    std::memset(buffer, 'Z', sizeof buffer);
    EXPECT_EQ(PluginInfo(kNewPlugin, -1, buffer, sizeof buffer), 0);
    EXPECT_EQ(PluginInfo(kNewPlugin, 4, buffer, sizeof buffer), 0);
    EXPECT_EQ(PluginInfo(kNewPlugin, 0, nullptr, 0), 36);
    EXPECT_EQ(PluginInfo(kNewPlugin, 0, buffer, 36), 0);
    EXPECT_EQ(buffer[0], 'Z');
    EXPECT_EQ(PluginInfo(kNewPlugin, 0, buffer, 37), 36);
    EXPECT_EQ(std::string_view(buffer, 37), std::string(about) + '\0');
    EXPECT_EQ(buffer[37], 'Z');
    for (std::int32_t index = 1; index < 4; ++index) {
        std::string_view text = kNewPlugin.info[std::size_t(index)];
        std::memset(buffer, 'Z', sizeof buffer);
        EXPECT_EQ(PluginInfo(kNewPlugin, index, buffer, sizeof buffer), std::int32_t(text.size()));
        EXPECT_EQ(std::string_view(buffer), text);
    }
}

TEST(ColumnTable, RecordsAndTheTerminatingZeroRecord) {
    HostBuffer table;
    ASSERT_EQ(ColumnTable(kNewPlugin, &table.data), kDone);
    constexpr std::size_t records = std::size(kColumns) + 1;
    EXPECT_TRUE(testing::HasHostBufferSize(table.data, records * sizeof(ColumnInfo)));
    const auto* info = reinterpret_cast<const ColumnInfo*>(table.data);
    for (std::size_t i = 0; i < std::size(kColumns); ++i) {
        EXPECT_EQ(std::string_view(info[i].label), kColumns[i].label) << i;
        EXPECT_EQ(info[i].alignRight, kColumns[i].alignRight) << i;
        EXPECT_EQ(info[i].numberKind, kColumns[i].numberKind) << i;
        EXPECT_EQ(info[i].hostColumn, kColumns[i].hostColumn) << i;
        // the rest of the label field is zero
        std::size_t length = kColumns[i].label.size();
        for (std::size_t b = length; b < sizeof info[i].label; ++b) ASSERT_EQ(info[i].label[b], 0) << i;
    }
    EXPECT_EQ(info[3].alignRight, 1);
    EXPECT_EQ(info[3].numberKind, kWholeNumber);
    EXPECT_EQ(info[6].hostColumn, kFileSize);
    const char* last = table.data + (records - 1) * sizeof(ColumnInfo);
    for (std::size_t b = 0; b < sizeof(ColumnInfo); ++b) ASSERT_EQ(last[b], 0) << b;
    EXPECT_EQ(ColumnTable(kNewPlugin, nullptr), kNoMemory);
}

class PluginFilesTest : public ::testing::Test {
protected:
    std::string Write(std::string_view name, const samples::Bytes& bytes) { return dir.Write(name, bytes); }
    static ReplaySpec Chain(std::vector<samples::BlockSpec> blocks) {
        return samples::ReplayOf("vrsk", "body", std::move(blocks));
    }
    testing::TempDir dir;
    PluginSettings settings;
    samples::Bytes replay = BuildReplay(Chain({Summary("SUMMARY TEXT"), Comment("line 1\r\nline 2")}));
};

TEST_F(PluginFilesTest, SupportsMemoryAndPathForms) {
    EXPECT_EQ(Supports(kNewPlugin, nullptr, 0), 4);
    EXPECT_EQ(Supports(kNewPlugin, nullptr, 100), 4);
    EXPECT_EQ(Supports(kVersusPlugin, nullptr, 0), 12);
    EXPECT_EQ(Supports(kNewPlugin, "vrs", 3), 0);
    EXPECT_EQ(Supports(kNewPlugin, "vrsk", 4), 1);  // no extension test in memory form
    EXPECT_EQ(Supports(kNewPlugin, "qllt", 4), 0);

    ::mkdir(dir.File("folder.rpy").c_str(), 0755);
    struct Case {
        std::string path;
        std::int32_t expected;
    };
    const std::vector<Case> cases = {
        {Write("varesk_01.rpy", replay), 1},
        {Write("VARESK_02.RPY", replay), 1},
        {Write("varesk_03.rpy.bak", replay), 0},
        {Write("varesk_04", replay), 0},
        {Write("foreign.rpy", testing::BytesOf("qllt0123456789")), 0},
        {Write("three.rpy", testing::BytesOf("vrs")), 0},
        {Write("four.rpy", testing::BytesOf("vrsk")), 1},
        {Write("empty.rpy", {}), 0},
        {dir.File("missing.rpy"), 0},
        {dir.File("folder.rpy"), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Supports(kNewPlugin, c.path.c_str(), 0), c.expected) << c.path;
        EXPECT_EQ(Supports(kVersusPlugin, c.path.c_str(), 0), 0) << c.path;
    }
}

TEST_F(PluginFilesTest, DataExportsStatusCodes) {
    ::mkdir(dir.File("folder.rpy").c_str(), 0755);
    const std::string good = Write("varesk_07.rpy", replay);
    const std::string bare = Write("varesk_08.rpy", BuildReplay(Chain({})));
    const std::string folder = dir.File("folder.rpy");
    const std::string empty = Write("empty.rpy", {});
    const std::string foreign = Write("foreign.rpy", testing::BytesOf("qllt-------------"));
    const std::string wrongExtension = Write("varesk_01.txt", replay);
    struct Case {
        const char* name;
        DataKind kind;
        const void* source;
        std::uint32_t size;
        std::int32_t expected;
    };
    const std::vector<Case> cases = {
        {"null source", DataKind::Row, nullptr, 0, kCannotRead},
        {"null source, text 1", DataKind::Text1, nullptr, 0, kCannotRead},
        {"path", DataKind::Row, good.c_str(), 0, kDone},
        {"path, text 1", DataKind::Text1, good.c_str(), 0, kDone},
        {"path, text 2", DataKind::Text2, good.c_str(), 0, kDone},
        {"memory", DataKind::Row, replay.data(), std::uint32_t(replay.size()), kDone},
        {"memory, text 2", DataKind::Text2, replay.data(), std::uint32_t(replay.size()), kDone},
        {"memory, three bytes", DataKind::Row, replay.data(), 3, kNotSupported},
        {"missing file", DataKind::Row, "/nonexistent/varesk_01.rpy", 0, kNotSupported},
        {"directory", DataKind::Row, folder.c_str(), 0, kNotSupported},
        {"empty file", DataKind::Row, empty.c_str(), 0, kNotSupported},
        {"not a replay", DataKind::Text1, foreign.c_str(), 0, kNotSupported},
        {"wrong extension", DataKind::Row, wrongExtension.c_str(), 0, kNotSupported},
        {"no blocks: row", DataKind::Row, bare.c_str(), 0, kDone},
        {"no summary: text 1", DataKind::Text1, bare.c_str(), 0, kNotSupported},
        {"no comment: text 2", DataKind::Text2, bare.c_str(), 0, kNotSupported},
    };
    for (const Case& c : cases) {
        char* out = kUntouched;
        std::int32_t status = FileData(kNewPlugin, settings, c.kind, c.source, c.size, &out);
        EXPECT_EQ(status, c.expected) << c.name;
        if (status == kDone) {
            EXPECT_NE(out, kUntouched) << c.name;
            std::free(out);
        } else {
            EXPECT_EQ(out, kUntouched) << c.name << ": out must not be touched";
        }
    }
    EXPECT_EQ(FileData(kNewPlugin, settings, DataKind::Row, good.c_str(), 0, nullptr), kNoMemory);
    char* out = kUntouched;
    EXPECT_EQ(FileData(kVersusPlugin, settings, DataKind::Row, good.c_str(), 0, &out), kNotSupported);
    EXPECT_EQ(out, kUntouched);
}

TEST_F(PluginFilesTest, RowHoldsNumberSummaryAndComment) {
    std::string path = Write("varesk_07.rpy", replay);
    const std::size_t rowSize = std::size(kColumns) * kSlotSize;
    struct Case {
        const char* name;
        const void* source;
        std::uint32_t size;
        std::int32_t mode;
        std::string_view number;
        std::string_view comment;
    };
    const std::vector<Case> cases = {
        {"path, whole", path.c_str(), 0, kWholeComment, "No.07", "line 1\r\nline 2"},
        {"path, first line", path.c_str(), 0, kFirstLine, "No.07", "line 1"},
        {"memory, slash", replay.data(), std::uint32_t(replay.size()), kLineBreaksAsSlash, "", "line 1/line 2"},
    };
    for (const Case& c : cases) {
        settings.CommentBlt = c.mode;
        HostBuffer row;
        ASSERT_EQ(FileData(kNewPlugin, settings, DataKind::Row, c.source, c.size, &row.data), kDone) << c.name;
        EXPECT_TRUE(testing::HasHostBufferSize(row.data, rowSize)) << c.name;
        InfoRow view(row.data, std::size(kColumns));
        EXPECT_EQ(view.Get(2), c.number) << c.name;
        EXPECT_EQ(view.Get(kSummarySlot), "SUMMARY TEXT") << c.name;
        EXPECT_EQ(view.Get(kCommentSlot), c.comment) << c.name;
        // host columns and columns without a value stay all zero
        for (std::size_t slot : {0u, 1u, 3u, 6u}) {
            const char* at = row.data + slot * kSlotSize;
            for (std::size_t b = 0; b < kSlotSize; ++b) ASSERT_EQ(at[b], 0) << c.name << " slot " << slot;
        }
    }
}

TEST_F(PluginFilesTest, RowOfAReplayWithoutBlocksHasOnlyTheNumber) {
    std::string path = Write("varesk_udAbCd.rpy", BuildReplay(Chain({})));
    HostBuffer row;
    ASSERT_EQ(FileData(kNewPlugin, settings, DataKind::Row, path.c_str(), 0, &row.data), kDone);
    InfoRow view(row.data, std::size(kColumns));
    EXPECT_EQ(view.Get(2), "AbCd");
    for (std::size_t slot = 0; slot < std::size(kColumns); ++slot)
        if (slot != 2) {
            EXPECT_EQ(view.Get(slot), "") << slot;
        }
}

TEST_F(PluginFilesTest, LongCommentIsCutToItsSlot) {
    std::string comment = std::string(510, 'c') + "\x82\xA0" + std::string(100, 'd');
    samples::Bytes image = BuildReplay(Chain({Comment(comment)}));
    HostBuffer row;
    ASSERT_EQ(FileData(kNewPlugin, settings, DataKind::Row, image.data(), std::uint32_t(image.size()), &row.data), kDone);
    InfoRow view(row.data, std::size(kColumns));
    EXPECT_EQ(view.Get(kCommentSlot), std::string(510, 'c'));
    EXPECT_EQ(view.Get(kSummarySlot), "");  // no summary block: the reader is not called
}

TEST_F(PluginFilesTest, DetailsTextsAndTheirBufferSizes) {
    const std::string summary = "SUMMARY TEXT";
    const std::string comment = "line 1\r\nline 2";
    // An old-generation comment block with spare zeros behind its text: the buffer is the
    // block's size - 11 bytes, not the text's length + 1.
    samples::Bytes spare = BuildReplay(Chain({Summary(summary), Comment(comment, 40)}));
    // A block whose size claims more than the image holds: never more than the image plus one.
    ReplaySpec damaged = Chain({samples::BlockSpec{1, comment + "\0"s, 0xFFFFFFFFu, "USER"}});
    samples::Bytes huge = BuildReplay(damaged);
    struct Case {
        const char* name;
        const PluginDescriptor* plugin;
        DataKind kind;
        const samples::Bytes* image;
        std::string_view text;
        std::size_t size;
    };
    const std::vector<Case> cases = {
        {"text 1", &kNewPlugin, DataKind::Text1, &replay, summary, summary.size() + 10240},
        {"text 1, old", &kOldPlugin, DataKind::Text1, &replay, summary, summary.size() + 10240},
        {"text 2, new", &kNewPlugin, DataKind::Text2, &spare, comment, comment.size() + 1},
        {"text 2, old", &kOldPlugin, DataKind::Text2, &spare, comment, 12 + comment.size() + 41 - 11},
        {"text 2, old, size past the end", &kOldPlugin, DataKind::Text2, &huge, comment, comment.size() + 2},
    };
    for (const Case& c : cases) {
        HostBuffer text;
        ASSERT_EQ(FileData(*c.plugin, settings, c.kind, c.image->data(), std::uint32_t(c.image->size()), &text.data), kDone)
            << c.name;
        EXPECT_TRUE(testing::HasHostBufferSize(text.data, c.size)) << c.name;
        EXPECT_EQ(std::string_view(text.data), c.text) << c.name;
        std::size_t held = std::min(c.size, testing::AllocatedSize(text.data));
        for (std::size_t b = c.text.size(); b < held; ++b) ASSERT_EQ(text.data[b], 0) << c.name << " byte " << b;
    }
}

}  // namespace
}  // namespace pellan
