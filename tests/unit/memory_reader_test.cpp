#include "util/memory_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace pellan {
namespace {

class MemoryReaderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(reader.OpenMemory(ByteView(block.data(), block.size()))); }
    std::array<std::uint8_t, 10> block{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    MemoryReader reader;
};

TEST_F(MemoryReaderTest, SeekIsClampedToTheSize) {
    struct Case {
        std::uint32_t from;
        std::uint32_t offset;
        int whence;
        std::uint32_t expected;
    };
    const std::vector<Case> cases = {
        {2, 5, MemoryReader::kFromCurrent, 7},
        {9, 3, MemoryReader::kFromEnd, 7},
        {0, 20, MemoryReader::kFromStart, 10},
        {0, 10, MemoryReader::kFromStart, 10},
        {5, 0xFFFFFFFFu, MemoryReader::kFromCurrent, 4},   // one step back
        {0, 0xFFFFFFFFu, MemoryReader::kFromCurrent, 10},  // back past the start lands at the end
        {8, 5, MemoryReader::kFromCurrent, 10},
        {3, 0, MemoryReader::kFromEnd, 10},
        {3, 10, MemoryReader::kFromEnd, 0},
        {3, 11, MemoryReader::kFromEnd, 10},  // before the start: the end
        {3, 1, 3, 3},                        // an unknown origin changes nothing
    };
    for (const Case& c : cases) {
        reader.Seek(c.from, MemoryReader::kFromStart);
        ASSERT_EQ(reader.Tell(), c.from);
        reader.Seek(c.offset, c.whence);
        EXPECT_EQ(reader.Tell(), c.expected) << "from " << c.from << " offset " << c.offset << " whence " << c.whence;
        EXPECT_EQ(reader.IsEof(), c.expected == 10);
    }
}

TEST_F(MemoryReaderTest, ReadCopiesOnlyWhatRemains) {
    std::array<std::uint8_t, 16> buffer;
    buffer.fill(0xEE);
    reader.Seek(7, MemoryReader::kFromStart);
    EXPECT_EQ(reader.Read(buffer.data(), 12), 3u);
    EXPECT_EQ(reader.Tell(), 10u);
    EXPECT_EQ(buffer[0], 7);
    EXPECT_EQ(buffer[2], 9);
    EXPECT_EQ(buffer[3], 0xEE);
    EXPECT_EQ(reader.Read(buffer.data(), 1), 0u);  // at the end

    reader.Seek(0, MemoryReader::kFromStart);
    EXPECT_EQ(reader.Read(buffer.data(), 4), 4u);
    EXPECT_EQ(reader.Read(buffer.data(), 0), 0u);
    EXPECT_EQ(reader.Read(nullptr, 4), 0u);
    EXPECT_EQ(reader.Tell(), 4u);
    EXPECT_EQ(reader.Remaining(), 6u);
}

TEST_F(MemoryReaderTest, SkipNeverWrapsTowardsTheStart) {
    reader.Seek(5, MemoryReader::kFromStart);
    EXPECT_TRUE(reader.Skip(5));
    EXPECT_EQ(reader.Tell(), 10u);
    reader.Seek(5, MemoryReader::kFromStart);
    EXPECT_FALSE(reader.Skip(6));
    EXPECT_EQ(reader.Tell(), 10u);
    reader.Seek(5, MemoryReader::kFromStart);
    EXPECT_FALSE(reader.Skip(0xFFFFFFFFu));
    EXPECT_EQ(reader.Tell(), 10u);
}

TEST_F(MemoryReaderTest, OpensOnceAndOnlyOverBytes) {
    EXPECT_FALSE(reader.OpenMemory(ByteView(block.data(), block.size())));  // already open
    reader.Close();
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(reader.GetSize(), 0u);
    EXPECT_FALSE(reader.OpenMemory(ByteView(block.data(), 0)));
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_TRUE(reader.OpenMemory(ByteView(block.data(), 3)));
    EXPECT_EQ(reader.GetSize(), 3u);
    EXPECT_EQ(reader.Tell(), 0u);
}

TEST(MemoryReaderClosed, DoesNothing) {
    MemoryReader reader;
    std::uint8_t byte = 0xEE;
    reader.Seek(3, MemoryReader::kFromStart);
    EXPECT_EQ(reader.Tell(), 0u);
    EXPECT_EQ(reader.Read(&byte, 1), 0u);
    EXPECT_EQ(byte, 0xEE);
    EXPECT_FALSE(reader.Skip(1));
}

}  // namespace
}  // namespace pellan
