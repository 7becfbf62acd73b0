// Text written into fixed-size buffers: a guard area behind the capacity must stay untouched,
// the buffer always keeps its NUL, and no half double-byte character is left at the end.
#include "util/bounded_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace pellan {
namespace {

using namespace std::string_view_literals;

constexpr std::size_t kGuard = 16;
constexpr char kGuardByte = '\xCC';

class BoundedBuffer {
public:
    BoundedBuffer(std::size_t capacity, std::string_view initial) : capacity_(capacity), bytes_(capacity + kGuard, kGuardByte) {
        std::memset(bytes_.data(), 0, capacity);
        std::memcpy(bytes_.data(), initial.data(), std::min(initial.size(), capacity));
    }
    char* data() { return bytes_.data(); }
    std::string Text() const { return std::string(bytes_.data(), strnlen(bytes_.data(), capacity_)); }
    bool HasNul() const { return std::memchr(bytes_.data(), 0, capacity_) != nullptr; }
    bool GuardIntact() const {
        for (std::size_t i = capacity_; i < bytes_.size(); ++i)
            if (bytes_[i] != kGuardByte) return false;
        return true;
    }

private:
    std::size_t capacity_;
    std::vector<char> bytes_;
};

struct AppendCase {
    std::string_view initial;
    std::size_t capacity;
    std::string_view text;
    std::string_view expected;
};

TEST(CopyOrAppend, StaysWithinCapacity) {
    const std::vector<AppendCase> cases = {
        {""sv, 8, "abc"sv, "abc"sv},
        {"ab"sv, 8, "cd"sv, "abcd"sv},
        {""sv, 8, "abcdefg"sv, "abcdefg"sv},
        {""sv, 4, "abcdef"sv, "abc"sv},
        {""sv, 4, "ab\x82\xA0"sv, "ab"sv},          // the cut would split "あ"
        {""sv, 5, "ab\x82\xA0"sv, "ab\x82\xA0"sv},
        {"a"sv, 4, "b\x82\xA0"sv, "ab"sv},
        {"abc"sv, 4, "d"sv, "abc"sv},               // full already
        {""sv, 1, "abc"sv, ""sv},
        {""sv, 8, "ab\0cd"sv, "ab"sv},              // the text ends at its NUL
        {"xxxx"sv, 4, "y"sv, "xxx"sv},              // a buffer without NUL gets one at its end
    };
    for (const AppendCase& c : cases) {
        BoundedBuffer buffer(c.capacity, c.initial);
        CopyOrAppend(buffer.data(), c.capacity, c.text);
        std::string shown = ::testing::PrintToString(std::string(c.text)) + " into " + std::to_string(c.capacity);
        EXPECT_EQ(buffer.Text(), c.expected) << shown;
        EXPECT_TRUE(buffer.HasNul()) << shown;
        EXPECT_TRUE(buffer.GuardIntact()) << shown;
    }
}

TEST(CopyOrAppend, ZeroCapacityOrNoBufferWritesNothing) {
    BoundedBuffer buffer(0, "");
    CopyOrAppend(buffer.data(), 0, "abc");
    EXPECT_TRUE(buffer.GuardIntact());
    CopyOrAppend(nullptr, 8, "abc");  // must not crash
}

TEST(AppendFormatted, FormatsThenAppendsWithinCapacity) {
    struct Case {
        std::string_view initial;
        std::size_t capacity;
        const char* format;
        std::string_view expected;
    };
    const std::vector<Case> cases = {
        {""sv, 32, "%s-%d", "ab-5"sv},
        {"x:"sv, 32, "%s-%d", "x:ab-5"sv},
        {""sv, 4, "%s-%d", "ab-"sv},
        {""sv, 32, nullptr, "Program aborted."sv},
        {""sv, 8, nullptr, "Program"sv},
    };
    for (const Case& c : cases) {
        BoundedBuffer buffer(c.capacity, c.initial);
        if (c.format)
            AppendFormatted(buffer.data(), c.capacity, c.format, "ab", 5);
        else
            AppendFormatted(buffer.data(), c.capacity, nullptr);
        EXPECT_EQ(buffer.Text(), c.expected);
        EXPECT_TRUE(buffer.GuardIntact());
    }
}

TEST(AppendFormatted, NeverLeavesHalfACharacter) {
    BoundedBuffer buffer(5, "");
    AppendFormatted(buffer.data(), 5, "%s%s", "abc", "\x82\xA0\x82\xA0");
    EXPECT_EQ(buffer.Text(), "abc");
    EXPECT_TRUE(buffer.GuardIntact());
}

}  // namespace
}  // namespace pellan
