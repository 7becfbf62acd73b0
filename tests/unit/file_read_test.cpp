#include "util/file_read.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "test_support.h"

namespace pellan {
namespace {

using testing::BytesOf;
using testing::TempDir;
using testing::WriteFile;

class ReadWholeFileTest : public ::testing::Test {
protected:
    TempDir dir;
    Bytes out = BytesOf("previous");  // what a failed read must leave as it was
};

TEST_F(ReadWholeFileTest, ReadsTheWholeFileWithoutLimit) {
    WriteFile(dir.File("ten"), "0123456789");
    ASSERT_TRUE(ReadWholeFile(dir.File("ten"), out));
    EXPECT_EQ(out, BytesOf("0123456789"));
}

TEST_F(ReadWholeFileTest, LimitAndStrictness) {
    WriteFile(dir.File("three"), "abc");
    WriteFile(dir.File("four"), "abcd");
    WriteFile(dir.File("ten"), "0123456789");
    struct Case {
        const char* name;
        bool strict;
        bool ok;
        std::string_view expected;
    };
    const std::vector<Case> cases = {
        {"three", true, false, "previous"},  // shorter than the limit
        {"three", false, true, "abc"},       // without strict the whole file
        {"four", true, true, "abcd"},
        {"ten", true, true, "0123"},
        {"ten", false, true, "0123"},
    };
    for (const Case& c : cases) {
        Bytes bytes = BytesOf("previous");
        EXPECT_EQ(ReadWholeFile(dir.File(c.name), bytes, 4, c.strict), c.ok) << c.name << " strict " << c.strict;
        EXPECT_EQ(bytes, BytesOf(c.expected)) << c.name << " strict " << c.strict;
    }
}

TEST_F(ReadWholeFileTest, FailsForEmptyMissingAndDirectory) {
    WriteFile(dir.File("empty"), "");
    for (const std::string& path : {dir.File("empty"), dir.File("missing"), dir.path()}) {
        EXPECT_FALSE(ReadWholeFile(path, out)) << path;
        EXPECT_FALSE(ReadWholeFile(path, out, 4, false)) << path;
        EXPECT_EQ(out, BytesOf("previous")) << path;
    }
}

// A file that holds fewer bytes than its size claims: sysfs attributes report 4096 bytes and
// read a few. The read gives fewer bytes than asked, which must fail rather than hand on an
// image padded with zeros.
TEST_F(ReadWholeFileTest, FailsWhenTheFileGivesFewerBytesThanItsSize) {
    const std::string path = "/sys/kernel/mm/transparent_hugepage/enabled";
    Bytes probe;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || st.st_size != 4096) GTEST_SKIP() << "no sysfs attribute to read";
    EXPECT_FALSE(ReadWholeFile(path, out));
    EXPECT_EQ(out, BytesOf("previous"));
    // Reading no more than the file really holds still works.
    EXPECT_TRUE(ReadWholeFile(path, probe, 4, true));
    EXPECT_EQ(probe.size(), 4u);
}

}  // namespace
}  // namespace pellan
