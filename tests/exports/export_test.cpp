// The eight plug-in files, loaded the way the host loads them (LoadLibraryA/GetProcAddress on
// Windows, dlopen/dlsym on Linux) and driven through their exports only.
//
//   pellan_export_tests [gtest options] <folder with the .tvp files>
//   PELLAN_PLUGIN_DIR=<folder> pellan_export_tests [gtest options]
//
// Every path handed to a plug-in is absolute: four of them make the host's directory the
// current directory while they load.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <malloc.h>
#include <sys/stat.h>
#endif

#include "host/plugin_library.h"
#include "tests/exports/plugin_table.h"
#include "tools/replay_builder.h"

#if defined(__SANITIZE_ADDRESS__)
#define PELLAN_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PELLAN_UNDER_ASAN 1
#endif
#endif

namespace fs = std::filesystem;
using pellan::host::HostBuffer;
using pellan::host::PluginLibrary;
using pellan::samples::BlockSpec;
using pellan::samples::BuildReplay;
using pellan::samples::Bytes;
using pellan::samples::ReplaySpec;

namespace pellan::exports_test {
namespace {

fs::path g_pluginDir;

constexpr std::int32_t kDone = 0;
constexpr std::int32_t kNotSupported = 1;
constexpr std::int32_t kCannotRead = 2;
constexpr std::int32_t kDialogFailed = -1;  // what DialogBoxParamA gives when no dialog can be made
constexpr std::size_t kSlotSize = 512;
constexpr std::size_t kSummarySpareBytes = 10240;

// ---------------------------------------------------------------------------------------------
// Files and folders

class TempDir {
public:
    TempDir() {
        static std::mt19937_64 random{std::random_device{}()};
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            fs::path candidate = fs::temp_directory_path() / ("pellan_exports_" + std::to_string(random()));
            std::error_code error;
            if (fs::create_directory(candidate, error)) path_ = fs::absolute(candidate);
        }
        if (path_.empty()) ADD_FAILURE() << "no temporary folder could be made";
    }
    ~TempDir() {
        std::error_code error;
        if (!path_.empty()) fs::remove_all(path_, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& Path() const { return path_; }
    // Writes the bytes to name inside the folder and gives the file's absolute path.
    std::string Write(const std::string& name, const Bytes& bytes) const {
        fs::path file = path_ / name;
        if (bytes.empty()) {
            std::ofstream empty(file, std::ios::binary | std::ios::trunc);  // fwrite of no bytes from no buffer is not portable
            EXPECT_TRUE(empty.good()) << file.string();
        } else {
            EXPECT_TRUE(pellan::samples::WriteBytes(file.string(), bytes)) << file.string();
        }
        return file.string();
    }
    std::string WriteText(const std::string& name, std::string_view text) const {
        return Write(name, Bytes(text.begin(), text.end()));
    }

private:
    fs::path path_;
};

Bytes BytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

// ---------------------------------------------------------------------------------------------
// Buffers the plug-ins hand over

// The size of a buffer the plug-in allocated. Windows reports exactly what LocalAlloc was asked
// for; ASan reports exactly what calloc was asked for; plain glibc may round up.
void ExpectHostBufferSize(const char* buffer, std::size_t expected) {
#ifdef _WIN32
    EXPECT_EQ(LocalSize(HLOCAL(buffer)), expected);
#elif defined(PELLAN_UNDER_ASAN)
    EXPECT_EQ(malloc_usable_size(const_cast<char*>(buffer)), expected);
#else
    EXPECT_GE(malloc_usable_size(const_cast<char*>(buffer)), expected);
#endif
}

// True when bytes [from, to) of the buffer are all zero.
bool AllZero(const char* buffer, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i)
        if (buffer[i] != 0) return false;
    return true;
}

// A data export's result: the status, and the buffer when the export stored one.
struct DataResult {
    std::int32_t status = -1;
    bool stored = false;  // the export wrote to its out argument
    HostBuffer buffer;
};

DataResult CallData(host::GetFileInfoFn export_fn, const void* source, std::uint32_t size) {
    static char sentinel;
    char* out = &sentinel;
    DataResult result;
    result.status = export_fn(source, size, &out);
    result.stored = out != &sentinel;
    if (result.stored) result.buffer.reset(out);
    return result;
}

// The text of one 512-byte slot of a row: at most 511 bytes, zero behind it.
std::string SlotText(const char* row, std::size_t slot) {
    const char* at = row + slot * kSlotSize;
    std::size_t length = strnlen(at, kSlotSize);
    EXPECT_LT(length, kSlotSize) << "slot " << slot << " has no NUL";
    EXPECT_TRUE(AllZero(at, length, kSlotSize)) << "slot " << slot << " is not zero behind its text";
    return std::string(at, length);
}

// ---------------------------------------------------------------------------------------------
// Replays

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

// How the games of each generation end a text block: new generation NUL and one zero byte,
// old generation the NUL only.
unsigned ExtraZeros(const PluginCase& plugin) { return plugin.family == Family::NewGeneration ? 1 : 0; }

ReplaySpec PlainReplay(const PluginCase& plugin) {
    return pellan::samples::ReplayOf(plugin.magic, "replay body: not read by the plug-ins \x01\x02\x03", {});
}

ReplaySpec ReplayWith(const PluginCase& plugin, std::string_view summary, std::string_view comment) {
    ReplaySpec replaySpec = PlainReplay(plugin);
    replaySpec.blocks.push_back(pellan::samples::Summary(summary, ExtraZeros(plugin)));
    replaySpec.blocks.push_back(pellan::samples::Comment(comment, ExtraZeros(plugin)));
    return replaySpec;
}

// ---------------------------------------------------------------------------------------------
// Fixtures

std::string PluginFile(const PluginCase& plugin) { return (g_pluginDir / (plugin.name + ".tvp")).string(); }

std::string ParamName(const testing::TestParamInfo<PluginCase>& info) { return info.param.name; }

void ExpectLoaded(const PluginLibrary& library, const std::string& file) {
    ASSERT_TRUE(library.Loaded()) << file << ": " << library.Error();
    ASSERT_NE(library.GetPluginRevision, nullptr);
    ASSERT_NE(library.GetPluginInfo, nullptr);
    ASSERT_NE(library.GetColumnInfo, nullptr);
    ASSERT_NE(library.IsSupported, nullptr);
    ASSERT_NE(library.GetFileInfoList, nullptr);
    ASSERT_NE(library.GetFileInfoText1, nullptr);
    ASSERT_NE(library.EditDialog, nullptr);
    ASSERT_NE(library.ConfigDialog, nullptr);
}

class PluginTest : public testing::TestWithParam<PluginCase> {
protected:
    void SetUp() override {
        std::string file = PluginFile(GetParam());
        library_ = std::make_unique<PluginLibrary>(file);
        ASSERT_NO_FATAL_FAILURE(ExpectLoaded(*library_, file));
    }
    void TearDown() override { library_.reset(); }

    const PluginCase& Plugin() const { return GetParam(); }
    PluginLibrary& Library() { return *library_; }

    // The data exports this plug-in has, with their names.
    std::vector<std::pair<const char*, host::GetFileInfoFn>> DataExports() {
        std::vector<std::pair<const char*, host::GetFileInfoFn>> out = {
            {"GetFileInfoList", library_->GetFileInfoList}, {"GetFileInfoText1", library_->GetFileInfoText1}};
        if (library_->GetFileInfoText2) out.emplace_back("GetFileInfoText2", library_->GetFileInfoText2);
        return out;
    }

    // Neither IsSupported nor any data export accepts the source.
    void ExpectRejected(const void* source, std::uint32_t size) {
        EXPECT_EQ(library_->IsSupported(source, size), 0);
        for (auto& [name, fn] : DataExports()) {
            DataResult result = CallData(fn, source, size);
            EXPECT_EQ(result.status, kNotSupported) << name;
            EXPECT_FALSE(result.stored) << name << " touched its out argument";
        }
    }

    TempDir temp_;

private:
    std::unique_ptr<PluginLibrary> library_;
};

// ---------------------------------------------------------------------------------------------
// All eight plug-ins

class AllPluginsTest : public PluginTest {};

TEST_P(AllPluginsTest, ExportsTheHostInterfaceUnderPlainNames) {
    for (const char* name : host::kExportNames) {
        bool expected = Plugin().UsesUserBlocks() || std::string_view(name) != "GetFileInfoText2";
        EXPECT_EQ(Library().Find(name) != nullptr, expected) << name;
    }
    // No decorated or prefixed variants next to the plain names.
    EXPECT_EQ(Library().Find("_GetPluginInfo"), nullptr);
    EXPECT_EQ(Library().Find("GetPluginInfo@12"), nullptr);
    EXPECT_EQ(Library().Find("_GetPluginInfo@12"), nullptr);
}

TEST_P(AllPluginsTest, Revision) { EXPECT_EQ(Library().GetPluginRevision(), Plugin().revision); }

TEST_P(AllPluginsTest, InformationStringsByteForByte) {
    for (int index = 0; index < 4; ++index) {
        SCOPED_TRACE("index " + std::to_string(index));
        std::string_view expected = Plugin().info[index];
        const std::uint32_t length = std::uint32_t(expected.size());

        // A null buffer asks for the length only.
        EXPECT_EQ(Library().GetPluginInfo(index, nullptr, 0), std::int32_t(length));
        EXPECT_EQ(Library().GetPluginInfo(index, nullptr, 1000), std::int32_t(length));

        // Too small for the text and its NUL: 0, and the buffer keeps every byte.
        for (std::uint32_t size : {0u, 1u, length - 1, length}) {
            std::vector<char> buffer(length + 16, '\x5A');
            EXPECT_EQ(Library().GetPluginInfo(index, buffer.data(), size), 0) << "size " << size;
            EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](char c) { return c == '\x5A'; }))
                << "size " << size << " wrote into the buffer";
        }

        // Room for the text and its NUL: copied, nothing written behind the NUL.
        for (std::uint32_t size : {length + 1, length + 16}) {
            std::vector<char> buffer(length + 16, '\x5A');
            EXPECT_EQ(Library().GetPluginInfo(index, buffer.data(), size), std::int32_t(length)) << "size " << size;
            EXPECT_EQ(std::string_view(buffer.data(), length), expected);
            EXPECT_EQ(buffer[length], '\0');
            EXPECT_TRUE(std::all_of(buffer.begin() + length + 1, buffer.end(), [](char c) { return c == '\x5A'; }))
                << "size " << size;
        }
    }
}

TEST_P(AllPluginsTest, InformationIndexOutOfRangeGivesZero) {
    for (std::int32_t index : {-1, 4, 5, INT_MIN, INT_MAX}) {
        SCOPED_TRACE("index " + std::to_string(index));
        EXPECT_EQ(Library().GetPluginInfo(index, nullptr, 0), 0);
        std::vector<char> buffer(256, '\x5A');
        EXPECT_EQ(Library().GetPluginInfo(index, buffer.data(), std::uint32_t(buffer.size())), 0);
        EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](char c) { return c == '\x5A'; }));
    }
}

TEST_P(AllPluginsTest, ColumnTable) {
    char* out = nullptr;
    ASSERT_EQ(Library().GetColumnInfo(&out), kDone);
    ASSERT_NE(out, nullptr);
    HostBuffer table(out);
    ExpectHostBufferSize(out, Plugin().ColumnTableBytes());

    const std::vector<Column>& columns = Plugin().columns;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const char* record = out + i * 128;
        SCOPED_TRACE("column " + std::to_string(i));
        std::size_t labelLength = strnlen(record, 116);
        EXPECT_EQ(std::string_view(record, labelLength), columns[i].label);
        EXPECT_TRUE(AllZero(record, labelLength, 116)) << "label field not zero behind the label";
        std::int32_t integers[3];
        std::memcpy(integers, record + 116, sizeof integers);
        EXPECT_EQ(integers[0], columns[i].alignRight);
        EXPECT_EQ(integers[1], columns[i].numberKind);
        EXPECT_EQ(integers[2], columns[i].hostColumn);
    }
    EXPECT_TRUE(AllZero(out, columns.size() * 128, (columns.size() + 1) * 128)) << "terminating record";

    // Each call hands over a new table.
    char* second = nullptr;
    ASSERT_EQ(Library().GetColumnInfo(&second), kDone);
    HostBuffer secondTable(second);
    EXPECT_NE(second, out);
    EXPECT_EQ(std::memcmp(second, out, Plugin().ColumnTableBytes()), 0);
}

TEST_P(AllPluginsTest, IsSupportedWithoutSourceGivesTheBytesItReads) {
    EXPECT_EQ(Library().IsSupported(nullptr, 0), Plugin().identifyBytes);
    EXPECT_EQ(Library().IsSupported(nullptr, 100), Plugin().identifyBytes);
}

TEST_P(AllPluginsTest, DataExportsWithoutSourceCannotRead) {
    for (std::uint32_t size : {0u, 100u}) {
        for (auto& [name, fn] : DataExports()) {
            DataResult result = CallData(fn, nullptr, size);
            EXPECT_EQ(result.status, kCannotRead) << name << " size " << size;
            EXPECT_FALSE(result.stored) << name << " touched its out argument";
        }
    }
}

// Replays of the other games, files that are missing, empty or folders, and no file name at
// all are refused by every export.
TEST_P(AllPluginsTest, RefusesWhatIsNotItsReplay) {
    for (const PluginCase& other : AllPlugins()) {
        if (other.name == Plugin().name || !other.UsesUserBlocks()) continue;
        SCOPED_TRACE("replay of " + other.name);
        Bytes image = BuildReplay(ReplayWith(other, "Name foreign\r\n", "comment"));
        ExpectRejected(image.data(), std::uint32_t(image.size()));
        std::string ext = Plugin().UsesUserBlocks() ? ".rpy" : ".rep";
        std::string path = temp_.Write(Plugin().name + "_01" + ext, image);
        ExpectRejected(path.c_str(), 0);
    }
    std::string missing = (temp_.Path() / "missing_01.rpy").string();
    ExpectRejected(missing.c_str(), 0);
    std::string empty = temp_.Write(Plugin().name + "_02.rpy", {});
    ExpectRejected(empty.c_str(), 0);
    std::string emptyRep = temp_.Write(Plugin().name + "_02.rep", {});
    ExpectRejected(emptyRep.c_str(), 0);
    fs::path folder = temp_.Path() / (Plugin().name + "_03.rpy");
    fs::create_directory(folder);
    ExpectRejected(folder.string().c_str(), 0);
    ExpectRejected("", 0);
}

// Where no dialog can be made, both dialog exports give DialogBoxParamA's failure value: on
// Linux always, on Windows the edit dialog of the versus plug-ins, whose record editors do not
// exist yet. The real dialogs are driven by the dialog tests under Xvfb.
TEST_P(AllPluginsTest, DialogExportsWithoutADialog) {
    std::string path = temp_.Write(Plugin().name + "_01.rpy", BuildReplay(PlainReplay(Plugin())));
#ifdef _WIN32
    if (Plugin().UsesUserBlocks()) GTEST_SKIP() << "opens the comment editor";
    EXPECT_EQ(Library().EditDialog(nullptr, path.c_str()), kDialogFailed);
#else
    EXPECT_EQ(Library().EditDialog(nullptr, path.c_str()), kDialogFailed);
    EXPECT_EQ(Library().ConfigDialog(nullptr), kDialogFailed);
#endif
}

INSTANTIATE_TEST_SUITE_P(Plugins, AllPluginsTest, testing::ValuesIn(AllPlugins()), ParamName);

// ---------------------------------------------------------------------------------------------
// The six USER-block plug-ins

class UserBlockTest : public PluginTest {
protected:
    int CommentSlot() const { return Plugin().SlotOf("コメント"); }
};

TEST_P(UserBlockTest, IdentifiesBytesByMagicOnly) {
    const std::string& magic = Plugin().magic;
    EXPECT_EQ(Library().IsSupported(magic.data(), 3), 0) << "three bytes are too few";
    EXPECT_EQ(Library().IsSupported(magic.data(), 4), 1);
    Bytes image = BuildReplay(ReplayWith(Plugin(), "Name x\r\n", "c"));
    EXPECT_EQ(Library().IsSupported(image.data(), std::uint32_t(image.size())), 1);

    // The magic is compared byte for byte, letter case included.
    std::string flipped = magic;
    for (char& c : flipped) c = char(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c));
    EXPECT_EQ(Library().IsSupported(flipped.data(), 4), 0);
    std::string shifted = magic.substr(1) + magic.substr(0, 1);
    EXPECT_EQ(Library().IsSupported(shifted.data(), 4), 0);
}

struct PathCase {
    const char* suffix;  // appended to "<plug-in name>"
    enum Content { FullReplay, MagicOnly, ThreeBytes, Empty, Folder, Missing } content;
    bool accepted;
};

TEST_P(UserBlockTest, IdentifiesFilesByExtensionAndMagic) {
    const PathCase cases[] = {
        {"_01.rpy", PathCase::FullReplay, true},
        {"_02.RPY", PathCase::FullReplay, true},
        {"_03.Rpy", PathCase::FullReplay, true},
        {"_04.rpy", PathCase::MagicOnly, true},
        {"_05.rpy.bak", PathCase::FullReplay, false},
        {"_06", PathCase::FullReplay, false},
        {"_07.rp", PathCase::FullReplay, false},
        {"_08.rpyx", PathCase::FullReplay, false},
        {"_09.rep", PathCase::FullReplay, false},
        {"_10.rpy", PathCase::ThreeBytes, false},
        {"_11.rpy", PathCase::Empty, false},
        {"_12.rpy", PathCase::Folder, false},
        {"_13.rpy", PathCase::Missing, false},
        {".rpy.d_14.rpy", PathCase::FullReplay, true},  // a dot earlier in the name does not count
    };
    Bytes replay = BuildReplay(ReplayWith(Plugin(), "Name x\r\n", "c"));
    for (const PathCase& c : cases) {
        std::string name = Plugin().name + c.suffix;
        SCOPED_TRACE(name);
        std::string path = (temp_.Path() / name).string();
        switch (c.content) {
            case PathCase::FullReplay: temp_.Write(name, replay); break;
            case PathCase::MagicOnly: temp_.Write(name, BytesOf(Plugin().magic)); break;
            case PathCase::ThreeBytes: temp_.Write(name, BytesOf(Plugin().magic.substr(0, 3))); break;
            case PathCase::Empty: temp_.Write(name, {}); break;
            case PathCase::Folder: fs::create_directory(path); break;
            case PathCase::Missing: break;
        }
        if (!c.accepted) {
            ExpectRejected(path.c_str(), 0);
            continue;
        }
        EXPECT_EQ(Library().IsSupported(path.c_str(), 0), 1);
        DataResult row = CallData(Library().GetFileInfoList, path.c_str(), 0);
        EXPECT_EQ(row.status, kDone);
        EXPECT_TRUE(row.buffer);
    }
}

// Slot 2 ("No.") comes from the file name, so only the path form fills it.
TEST_P(UserBlockTest, ReplayNumberInPathFormOnly) {
    ASSERT_EQ(Plugin().SlotOf("No."), 2);
    Bytes image = BuildReplay(ReplayWith(Plugin(), "Name x\r\n", "comment"));
    struct {
        std::string name;
        const char* shown;
    } cases[] = {
        {Plugin().name + "_07.rpy", "No.07"},
        {Plugin().name + "_01.rpy", "No.01"},
        {Plugin().name + "_00.rpy", "User"},
        {Plugin().name + "_replay.rpy", "User"},
        {"other_07.rpy", "User"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = temp_.Write(c.name, image);
        DataResult row = CallData(Library().GetFileInfoList, path.c_str(), 0);
        ASSERT_EQ(row.status, kDone);
        ASSERT_TRUE(row.buffer);
        ExpectHostBufferSize(row.buffer.get(), Plugin().RowBytes());
        EXPECT_EQ(SlotText(row.buffer.get(), 2), c.shown);
    }
    DataResult row = CallData(Library().GetFileInfoList, image.data(), std::uint32_t(image.size()));
    ASSERT_EQ(row.status, kDone);
    ASSERT_TRUE(row.buffer);
    ExpectHostBufferSize(row.buffer.get(), Plugin().RowBytes());
    EXPECT_EQ(SlotText(row.buffer.get(), 2), "");
}

// The replay number comes from the text after the last separator that is a character of its
// own. On Windows a double-byte character whose second byte is 0x5C ('\\') is no separator; on
// Linux the bytes of a UTF-8 name never hide a '/', though read as Shift-JIS they would.
TEST_P(UserBlockTest, ReplayNumberComesFromTheWholeFileName) {
    Bytes image = BuildReplay(ReplayWith(Plugin(), "Name x\r\n", "comment"));
    const std::string numbered = Plugin().name + "_07.rpy";
#ifdef _WIN32
    const std::string folder = temp_.Path().string() + "\\\x95\x5C";  // 表: its second byte is 0x5C
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::vector<std::pair<std::string, const char*>> cases = {
        {folder + "\\" + numbered, "No.07"},
        {temp_.Path().string() + "\\\x95\x5C" + numbered, "User"},  // the character is part of the name
    };
#else
    const std::string folder = temp_.Path().string() + "/\xE3\x81\x82";  // あ in UTF-8 ends in 0x82, a Shift-JIS lead byte
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    const std::vector<std::pair<std::string, const char*>> cases = {{folder + "/" + numbered, "No.07"}};
#endif
    for (const auto& [path, shown] : cases) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(pellan::samples::WriteBytes(path, image));
        DataResult row = CallData(Library().GetFileInfoList, path.c_str(), 0);
        ASSERT_EQ(row.status, kDone);
        EXPECT_EQ(SlotText(row.buffer.get(), 2), shown);
    }
}

// The columns that the host fills itself stay zero, whatever the replay holds.
TEST_P(UserBlockTest, HostColumnsStayZero) {
    Bytes image = BuildReplay(ReplayWith(Plugin(), "Name x\r\nDate 01/02/03\r\nScore 12345\r\n", "comment"));
    std::string path = temp_.Write(Plugin().name + "_07.rpy", image);
    DataResult row = CallData(Library().GetFileInfoList, path.c_str(), 0);
    ASSERT_EQ(row.status, kDone);
    ASSERT_TRUE(row.buffer);
    for (std::size_t i = 0; i < Plugin().columns.size(); ++i) {
        if (Plugin().columns[i].hostColumn == 0) continue;
        EXPECT_TRUE(AllZero(row.buffer.get(), i * kSlotSize, (i + 1) * kSlotSize)) << "slot " << i;
    }
}

// A replay without any USER block: the row holds the number only (quillet composes its stage
// slot even from nothing), and there is no details text.
TEST_P(UserBlockTest, ReplayWithoutUserBlocks) {
    ReplaySpec noBlocks = PlainReplay(Plugin());
    ReplaySpec headerOnly = PlainReplay(Plugin());
    headerOnly.body.clear();
    ReplaySpec offsetAtEnd = PlainReplay(Plugin());
    ReplaySpec shortHeader = PlainReplay(Plugin());
    shortHeader.truncateTo = 15;
    struct {
        const char* what;
        Bytes image;
    } cases[] = {
        {"body, no blocks", BuildReplay(noBlocks)},
        {"header only", BuildReplay(headerOnly)},
        {"magic only", BytesOf(Plugin().magic)},
        {"15 bytes", BuildReplay(shortHeader)},
    };
    int stageSlot = Plugin().name == "quillet" ? Plugin().SlotOf("ステージ") : -1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string path = temp_.Write(Plugin().name + "_07.rpy", c.image);
        for (bool pathForm : {true, false}) {
            SCOPED_TRACE(pathForm ? "path form" : "memory form");
            const void* source = pathForm ? static_cast<const void*>(path.c_str()) : c.image.data();
            std::uint32_t size = pathForm ? 0 : std::uint32_t(c.image.size());
            DataResult row = CallData(Library().GetFileInfoList, source, size);
            ASSERT_EQ(row.status, kDone);
            ASSERT_TRUE(row.buffer);
            EXPECT_EQ(SlotText(row.buffer.get(), 2), pathForm ? "No.07" : "");
            for (std::size_t i = 0; i < Plugin().columns.size(); ++i) {
                if (i == 2 || int(i) == stageSlot) continue;
                EXPECT_TRUE(AllZero(row.buffer.get(), i * kSlotSize, (i + 1) * kSlotSize)) << "slot " << i;
            }
            for (auto fn : {Library().GetFileInfoText1, Library().GetFileInfoText2}) {
                DataResult text = CallData(fn, source, size);
                EXPECT_EQ(text.status, kNotSupported);
                EXPECT_FALSE(text.stored);
            }
        }
    }
}

// Details text 1 is the summary as the game wrote it, with 10240 spare bytes; details text 2
// is the comment as the player wrote it (line breaks and all, not cut), in a buffer of the
// comment and its NUL (new generation) or of the block's body and a NUL (old generation).
TEST_P(UserBlockTest, DetailsTextsAreRaw) {
    const std::string summary = "Name \x83\x76\x83\x8C\x83\x43\x83\x84\r\nDate 2024/01/02 03:04\r\nScore 123456789\r\n";
    const std::string comment = "first line\r\nsecond\rthird\n" + Repeat('c', 700) + "\x82\xA0";
    ReplaySpec replaySpec = ReplayWith(Plugin(), summary, comment);
    const std::uint32_t commentBlockSize = std::uint32_t(12 + replaySpec.blocks[1].body.size());
    Bytes image = BuildReplay(replaySpec);
    std::string path = temp_.Write(Plugin().name + "_03.rpy", image);

    for (bool pathForm : {true, false}) {
        SCOPED_TRACE(pathForm ? "path form" : "memory form");
        const void* source = pathForm ? static_cast<const void*>(path.c_str()) : image.data();
        std::uint32_t size = pathForm ? 0 : std::uint32_t(image.size());

        DataResult text1 = CallData(Library().GetFileInfoText1, source, size);
        ASSERT_EQ(text1.status, kDone);
        ASSERT_TRUE(text1.buffer);
        ExpectHostBufferSize(text1.buffer.get(), summary.size() + kSummarySpareBytes);
        EXPECT_EQ(std::string(text1.buffer.get()), summary);
        EXPECT_TRUE(AllZero(text1.buffer.get(), summary.size(), summary.size() + kSummarySpareBytes));

        DataResult text2 = CallData(Library().GetFileInfoText2, source, size);
        ASSERT_EQ(text2.status, kDone);
        ASSERT_TRUE(text2.buffer);
        std::size_t text2Size =
            Plugin().family == Family::NewGeneration ? comment.size() + 1 : std::size_t(commentBlockSize - 11);
        ExpectHostBufferSize(text2.buffer.get(), text2Size);
        EXPECT_EQ(std::string(text2.buffer.get()), comment);
        EXPECT_TRUE(AllZero(text2.buffer.get(), comment.size(), text2Size));
    }
}

// The comment slot holds at most 511 bytes and never half a double-byte character. The
// comments have no line breaks, so every display mode shows them unchanged.
TEST_P(UserBlockTest, CommentSlotIsCutTo511Bytes) {
    const std::string kana = "\x82\xA0";  // one double-byte character
    struct {
        const char* what;
        std::string comment;
        std::string shown;
    } cases[] = {
        {"short", "hello", "hello"},
        {"511 bytes", Repeat('x', 511), Repeat('x', 511)},
        {"512 bytes", Repeat('x', 512), Repeat('x', 511)},
        {"600 bytes", Repeat('x', 600), Repeat('x', 600).substr(0, 511)},
        {"double-byte character at 510", Repeat('x', 510) + kana + "yy", Repeat('x', 510)},
        {"double-byte character at 509", Repeat('x', 509) + kana + "yy", Repeat('x', 509) + kana},
        {"511 bytes ending in a double-byte character", Repeat('x', 509) + kana, Repeat('x', 509) + kana},
        {"double-byte text", [&] { std::string s; for (int i = 0; i < 300; ++i) s += kana; return s; }(),
         [&] { std::string s; for (int i = 0; i < 255; ++i) s += kana; return s; }()},
    };
    ASSERT_GE(CommentSlot(), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes image = BuildReplay(ReplayWith(Plugin(), "Name x\r\n", c.comment));
        DataResult row = CallData(Library().GetFileInfoList, image.data(), std::uint32_t(image.size()));
        ASSERT_EQ(row.status, kDone);
        ASSERT_TRUE(row.buffer);
        EXPECT_EQ(SlotText(row.buffer.get(), std::size_t(CommentSlot())), c.shown);
        // The details text keeps the comment whole.
        DataResult text2 = CallData(Library().GetFileInfoText2, image.data(), std::uint32_t(image.size()));
        ASSERT_EQ(text2.status, kDone);
        EXPECT_EQ(std::string(text2.buffer.get()), c.comment);
    }
}

// Damaged and unusual USER chains. Every walk must stay inside the image and end; the row is
// still made, and the details texts report what they could find.
struct ChainCase {
    const char* what;
    ReplaySpec (*build)(const PluginCase&);
    std::int32_t text1Status;
    const char* summary;  // text 1 when found
    std::int32_t text2Status;
    const char* comment;  // text 2 when found, and the comment slot ("" when missing)
};

constexpr const char* kSummary = "Name tester\r\nScore 42\r\n";
constexpr const char* kComment = "a comment";

const ChainCase kChainCases[] = {
    {"USER offset 0xFFFFFFFF",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         s.userOffset = 0xFFFFFFFFu;
         return s;
     },
     kNotSupported, "", kNotSupported, ""},
    {"USER offset at the end of the image",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         s.userOffset = std::uint32_t(BuildReplay(s).size());
         return s;
     },
     kNotSupported, "", kNotSupported, ""},
    {"USER offset inside the header",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         s.userOffset = 4;  // reads game data as a block header: no marker, a size that skips nothing useful
         return s;
     },
     kNotSupported, "", kNotSupported, ""},
    {"summary block size 0xFFFFFFFF hides the comment",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         s.blocks[0].size = 0xFFFFFFFFu;
         return s;
     },
     kDone, kSummary, kNotSupported, ""},
    {"comment block size 0xFFFFFFFF at the end",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         s.blocks[1].size = 0xFFFFFFFFu;
         return s;
     },
     kDone, kSummary, kDone, kComment},
    {"foreign block of size 0xFFFFFFFF first",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         BlockSpec foreign = pellan::samples::TextBlock(2, "other data");
         foreign.size = 0xFFFFFFFFu;
         s.blocks.insert(s.blocks.begin(), foreign);
         return s;
     },
     kNotSupported, "", kNotSupported, ""},
    {"comment body truncated",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         s.truncateTo = BuildReplay(s).size() - (s.blocks[1].body.size() - 4);  // keeps "a co"
         return s;
     },
     kDone, kSummary, kDone, "a co"},
    {"truncated inside the comment block header",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         s.truncateTo = BuildReplay(s).size() - s.blocks[1].body.size() - 4;
         return s;
     },
     kDone, kSummary, kNotSupported, ""},
    {"truncated inside the summary body",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         s.truncateTo = 16 + s.body.size() + 12 + 4;  // keeps "Name"
         return s;
     },
     kDone, "Name", kNotSupported, ""},
    {"comment marker misspelt",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         s.blocks[1].marker = "USEr";
         return s;
     },
     kDone, kSummary, kNotSupported, ""},
    {"foreign block, summary, comment",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         s.blocks.insert(s.blocks.begin(), pellan::samples::TextBlock(2, "other data"));
         return s;
     },
     kDone, kSummary, kDone, kComment},
    {"empty foreign blocks with size 0 and 12",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, kComment);
         BlockSpec zero{7, "", 0u};
         BlockSpec twelve{9, "", 12u};
         s.blocks.insert(s.blocks.begin(), {zero, twelve});
         return s;
     },
     kDone, kSummary, kDone, kComment},
    {"comment before summary, two of each",
     [](const PluginCase& p) {
         ReplaySpec s = PlainReplay(p);
         s.blocks = {pellan::samples::Comment(kComment, ExtraZeros(p)), pellan::samples::Summary(kSummary, ExtraZeros(p)),
                     pellan::samples::Comment("later comment", ExtraZeros(p)),
                     pellan::samples::Summary("later summary", ExtraZeros(p))};
         return s;
     },
     kDone, kSummary, kDone, kComment},
    {"text without NUL up to the end",
     [](const PluginCase& p) {
         ReplaySpec s = ReplayWith(p, kSummary, "");
         s.blocks[1].body = kComment;
         return s;
     },
     kDone, kSummary, kDone, kComment},
};

TEST_P(UserBlockTest, DamagedAndUnusualChains) {
    ASSERT_GE(CommentSlot(), 0);
    for (const ChainCase& c : kChainCases) {
        SCOPED_TRACE(c.what);
        Bytes image = BuildReplay(c.build(Plugin()));
        std::string path = temp_.Write(Plugin().name + "_05.rpy", image);
        for (bool pathForm : {true, false}) {
            SCOPED_TRACE(pathForm ? "path form" : "memory form");
            const void* source = pathForm ? static_cast<const void*>(path.c_str()) : image.data();
            std::uint32_t size = pathForm ? 0 : std::uint32_t(image.size());
            EXPECT_EQ(Library().IsSupported(source, size), 1);

            DataResult row = CallData(Library().GetFileInfoList, source, size);
            ASSERT_EQ(row.status, kDone);
            ASSERT_TRUE(row.buffer);
            EXPECT_EQ(SlotText(row.buffer.get(), 2), pathForm ? "No.05" : "");
            EXPECT_EQ(SlotText(row.buffer.get(), std::size_t(CommentSlot())), c.comment);

            DataResult text1 = CallData(Library().GetFileInfoText1, source, size);
            EXPECT_EQ(text1.status, c.text1Status);
            EXPECT_EQ(text1.stored, c.text1Status == kDone);
            if (text1.buffer) {
                EXPECT_EQ(std::string(text1.buffer.get()), c.summary);
            }

            DataResult text2 = CallData(Library().GetFileInfoText2, source, size);
            EXPECT_EQ(text2.status, c.text2Status);
            EXPECT_EQ(text2.stored, c.text2Status == kDone);
            if (text2.buffer) {
                EXPECT_EQ(std::string(text2.buffer.get()), c.comment);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Plugins, UserBlockTest, testing::ValuesIn(UserBlockPlugins()), ParamName);

// ---------------------------------------------------------------------------------------------
// The new-generation games: every column of the row comes from the summary's "Key value" lines.

class NewGenerationRowTest : public PluginTest {};

TEST_P(NewGenerationRowTest, FillsEveryColumnFromTheSummary) {
    const std::string summary =
        "Version 0.99\r\n"
        "Name  Spaced \r\n"         // one leading space of the value stays
        "name lower\r\nNameless\r\n"  // other letter case, no space: no key
        "Date 26/12/11 14:30\r\n"
        "Chara イルヴァ（雷符）\r\n"
        "Rank Normal\r\nRank Hard\r\n"  // the last line of a key wins
        "Stage 6\r\nStage \r\n"        // a key alone empties its slot
        "Score 123456780\r\nScore:5\r\n"
        "Slow Rate 0.52\n"               // LF only: ends a line only after the last CR LF
        "Version 1.00";                   // the last line needs no CR LF
    // The value for each label; dunmere has no character and no rank column.
    const std::vector<std::pair<std::string_view, std::string>> expected = {
        {"プレイヤー名", " Spaced "}, {"プレイ時刻", "26/12/11 14:30"}, {"使用キャラ", "イルヴァ（雷符）"},
        {"難易度", "Hard"},           {"ステージ", ""},                 {"スコア", "123456780"},
        {"処理落ち率", "0.52"},       {"バージョン", "1.00"},           {"コメント", "ok"},
    };
    Bytes replay = BuildReplay(ReplayWith(Plugin(), summary, "ok"));
    std::string path = temp_.Write(Plugin().name + "_05.rpy", replay);

    DataResult byPath = CallData(Library().GetFileInfoList, path.c_str(), 0);
    DataResult inMemory = CallData(Library().GetFileInfoList, replay.data(), std::uint32_t(replay.size()));
    ASSERT_EQ(byPath.status, kDone);
    ASSERT_EQ(inMemory.status, kDone);
    for (const auto& [label, value] : expected) {
        int slot = Plugin().SlotOf(label);
        if (slot < 0) continue;
        EXPECT_EQ(SlotText(byPath.buffer.get(), std::size_t(slot)), value) << "path form, column " << slot;
        EXPECT_EQ(SlotText(inMemory.buffer.get(), std::size_t(slot)), value) << "memory form, column " << slot;
    }
    EXPECT_EQ(SlotText(byPath.buffer.get(), 2), "No.05");
    EXPECT_EQ(SlotText(inMemory.buffer.get(), 2), "");
    // Nothing else of the row is written: the host's columns stay zero.
    for (std::size_t slot = 0; slot < Plugin().columns.size(); ++slot) {
        if (Plugin().columns[slot].hostColumn != 0) {
            EXPECT_EQ(SlotText(byPath.buffer.get(), slot), "") << slot;
        }
    }
}

TEST_P(NewGenerationRowTest, OverlongValueIsCutBeforeAWholeCharacter) {
    std::string name = std::string(510, 'n') + "名前";  // byte 510 begins a double-byte character
    Bytes replay = BuildReplay(ReplayWith(Plugin(), "Name " + name + "\r\nScore 1\r\n", ""));
    DataResult row = CallData(Library().GetFileInfoList, replay.data(), std::uint32_t(replay.size()));
    ASSERT_EQ(row.status, kDone);
    EXPECT_EQ(SlotText(row.buffer.get(), std::size_t(Plugin().SlotOf("プレイヤー名"))), std::string(510, 'n'));
    EXPECT_EQ(SlotText(row.buffer.get(), std::size_t(Plugin().SlotOf("スコア"))), "1");
}

INSTANTIATE_TEST_SUITE_P(Plugins, NewGenerationRowTest, testing::ValuesIn(NewGenerationPlugins()), ParamName);

// ---------------------------------------------------------------------------------------------
// The two versus plug-ins: their record readers are not there yet, so they accept no file.

class VersusTest : public PluginTest {};

TEST_P(VersusTest, AcceptsNoFileYet) {
    Bytes record(4096);
    for (std::size_t i = 0; i < record.size(); ++i) record[i] = std::uint8_t(i * 7 + 3);
    for (std::uint32_t size : {std::uint32_t(Plugin().identifyBytes), std::uint32_t(record.size())}) {
        SCOPED_TRACE("memory form, " + std::to_string(size) + " bytes");
        ExpectRejected(record.data(), size);
    }
    std::string path = temp_.Write("replay_01.rep", record);
    ExpectRejected(path.c_str(), 0);
    std::string shortFile = temp_.Write("short.rep", Bytes(record.begin(), record.begin() + Plugin().identifyBytes - 1));
    ExpectRejected(shortFile.c_str(), 0);
}

INSTANTIATE_TEST_SUITE_P(Plugins, VersusTest, testing::ValuesIn(VersusPlugins()), ParamName);

// ---------------------------------------------------------------------------------------------
// Settings: "pellan_tvp.ini" beside the plug-in file, one section per plug-in, read once when
// the library is loaded. Each case loads a copy of the plug-in from a fresh folder.

const PluginCase& PluginNamed(std::string_view name) {
    for (const PluginCase& plugin : AllPlugins())
        if (plugin.name == name) return plugin;
    throw std::runtime_error("no plug-in " + std::string(name));
}

// Loads a copy of the plug-in from the folder and gives its comment slot for the comment.
std::string ShownComment(const TempDir& folder, const PluginCase& plugin, const std::string& comment) {
    fs::path copy = folder.Path() / (plugin.name + ".tvp");
    std::error_code error;
    if (!fs::exists(copy)) fs::copy_file(PluginFile(plugin), copy, error);
    EXPECT_FALSE(error) << error.message();
    PluginLibrary library(copy.string());
    ExpectLoaded(library, copy.string());
    if (!library.Loaded() || !library.GetFileInfoList) return "<not loaded>";
    Bytes image = BuildReplay(ReplayWith(plugin, "Name x\r\n", comment));
    DataResult row = CallData(library.GetFileInfoList, image.data(), std::uint32_t(image.size()));
    EXPECT_EQ(row.status, kDone);
    if (!row.buffer) return "<no row>";
    return SlotText(row.buffer.get(), std::size_t(plugin.SlotOf("コメント")));
}

struct SettingsCase {
    std::string what;
    std::string plugin;
    const char* ini;  // null: no settings file
    std::string comment;
    std::string shown;
};

const char* const kTwoSections = "[varesk.tvp]\r\nCommentBlt=1\r\n\r\n[kolbrin.tvp]\r\nCommentBlt=2\r\n";

const SettingsCase kSettingsCases[] = {
    {"no settings file", "varesk", nullptr, "a\r\nb", "a\r\nb"},
    {"first line", "varesk", kTwoSections, "a\r\nb", "a"},
    {"line breaks as slash", "kolbrin", kTwoSections, "a\r\nb", "a/b"},
    {"section of other plug-ins only", "dunmere", kTwoSections, "a\r\nb", "a\r\nb"},
    {"value 3 is out of range", "varesk", "[varesk.tvp]\r\nCommentBlt=3\r\n", "a\r\nb", "a\r\nb"},
    {"value -1 is out of range", "varesk", "[varesk.tvp]\r\nCommentBlt=-1\r\n", "a\r\nb", "a\r\nb"},
    {"value 3 is out of range, old generation", "mossel", "[mossel.tvp]\r\nCommentBlt=3\r\n", "a\r\nb", "a\r\nb"},
    {"section and key in other letter case", "varesk", "[VARESK.TVP]\r\ncommentblt=2\r\n", "a\r\nb", "a/b"},
    {"leading number of the value", "varesk", "[varesk.tvp]\r\nCommentBlt=2 (slash)\r\n", "a\r\nb", "a/b"},
    {"new generation: first line ends at CR LF", "varesk", "[varesk.tvp]\r\nCommentBlt=1\r\n", "a\nb\r\nc", "a\nb"},
    {"new generation: only CR LF becomes a slash", "dunmere", "[dunmere.tvp]\r\nCommentBlt=2\r\n", "a\nb\r\nc\rd",
     "a\nb/c\rd"},
    {"old generation: first line ends at CR or LF", "quillet", "[quillet.tvp]\r\nCommentBlt=1\r\n", "a\nb\r\nc", "a"},
    {"old generation: CR, LF and CR LF become slashes", "mossel", "[mossel.tvp]\r\nNameBlt=1\r\nCommentBlt=2\r\n",
     "a\nb\r\nc\rd", "a/b/c/d"},
    {"comment ending in a line break", "peltra", "[peltra.tvp]\r\nCommentBlt=2\r\n", "a\r\nb\r\n", "a/b/"},
    {"comment beginning with a line break", "varesk", "[varesk.tvp]\r\nCommentBlt=1\r\n", "\r\nb", ""},
    {"slash mode cuts the shown text to 511 bytes", "peltra", "[peltra.tvp]\r\nCommentBlt=2\r\n",
     "\r\n\r\n\r\n" + Repeat('x', 600), "///" + Repeat('x', 508)},
    {"first line cut to 511 bytes", "kolbrin", "[kolbrin.tvp]\r\nCommentBlt=1\r\n", Repeat('x', 600) + "\r\nb",
     Repeat('x', 511)},
};

void PrintTo(const SettingsCase& c, std::ostream* out) { *out << c.plugin << ": " << c.what; }

class SettingsTest : public testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsTest, CommentSlotFollowsCommentBlt) {
    const SettingsCase& c = GetParam();
    SCOPED_TRACE(c.what);
    TempDir folder;
    if (c.ini) folder.WriteText("pellan_tvp.ini", c.ini);
    EXPECT_EQ(ShownComment(folder, PluginNamed(c.plugin), c.comment), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsTest, testing::ValuesIn(kSettingsCases),
                         [](const testing::TestParamInfo<SettingsCase>& info) {
                             return info.param.plugin + "_" + std::to_string(info.index);
                         });

// Two plug-ins loaded at the same time from one folder read their own sections of the shared
// file.
TEST(SharedSettingsFile, EachPluginReadsItsOwnSection) {
    TempDir folder;
    folder.WriteText("pellan_tvp.ini", kTwoSections);
    const PluginCase& varesk = PluginNamed("varesk");
    const PluginCase& kolbrin = PluginNamed("kolbrin");
    for (const PluginCase* plugin : {&varesk, &kolbrin}) {
        std::error_code error;
        fs::copy_file(PluginFile(*plugin), folder.Path() / (plugin->name + ".tvp"), error);
        ASSERT_FALSE(error) << error.message();
    }
    PluginLibrary first((folder.Path() / "varesk.tvp").string());
    ASSERT_NO_FATAL_FAILURE(ExpectLoaded(first, "varesk.tvp"));
    PluginLibrary second((folder.Path() / "kolbrin.tvp").string());
    ASSERT_NO_FATAL_FAILURE(ExpectLoaded(second, "kolbrin.tvp"));

    Bytes vareskImage = BuildReplay(ReplayWith(varesk, "Name x\r\n", "a\r\nb"));
    Bytes kolbrinImage = BuildReplay(ReplayWith(kolbrin, "Name x\r\n", "a\r\nb"));
    DataResult vareskRow = CallData(first.GetFileInfoList, vareskImage.data(), std::uint32_t(vareskImage.size()));
    DataResult kolbrinRow = CallData(second.GetFileInfoList, kolbrinImage.data(), std::uint32_t(kolbrinImage.size()));
    ASSERT_TRUE(vareskRow.buffer && kolbrinRow.buffer);
    EXPECT_EQ(SlotText(vareskRow.buffer.get(), std::size_t(varesk.SlotOf("コメント"))), "a");
    EXPECT_EQ(SlotText(kolbrinRow.buffer.get(), std::size_t(kolbrin.SlotOf("コメント"))), "a/b");
    // Each refuses the other's replay.
    EXPECT_EQ(first.IsSupported(kolbrinImage.data(), std::uint32_t(kolbrinImage.size())), 0);
    EXPECT_EQ(second.IsSupported(vareskImage.data(), std::uint32_t(vareskImage.size())), 0);
}

}  // namespace
}  // namespace pellan::exports_test

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::string dir;
    if (argc > 1) {
        dir = argv[1];
    } else if (const char* fromEnvironment = std::getenv("PELLAN_PLUGIN_DIR")) {
        dir = fromEnvironment;
    }
    if (dir.empty()) {
        std::cerr << "usage: " << argv[0] << " [gtest options] <folder with the .tvp files>\n"
                  << "       (or set PELLAN_PLUGIN_DIR)\n";
        return 2;
    }
    std::error_code error;
    pellan::exports_test::g_pluginDir = fs::absolute(dir, error);
    if (error || !fs::is_directory(pellan::exports_test::g_pluginDir)) {
        std::cerr << "not a folder: " << dir << "\n";
        return 2;
    }
    return RUN_ALL_TESTS();
}
