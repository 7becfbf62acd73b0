// The settings store: IniFile over real files, and LoadSettings/SaveSettings with the sections
// and keys of the plug-ins, loaded from a plug-in file in a temporary folder.
#include "frame/settings.h"

#include <dlfcn.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "test_support.h"

namespace pellan {
namespace {

std::string g_baseDirectory;
std::string BaseDirectory() { return g_baseDirectory; }

TEST(IniFileSetPath, RelativePathsGoBelowTheBaseDirectory) {
    g_baseDirectory = "/host/dir";
    struct Case {
        std::string_view path;
        bool asGiven;
        std::string_view expected;
    };
    const std::vector<Case> cases = {
        {"pellan_tvp.ini", false, "/host/dir/pellan_tvp.ini"},
        {"sub/pellan_tvp.ini", false, "/host/dir/sub/pellan_tvp.ini"},
        {"/plugins/pellan_tvp.ini", false, "/plugins/pellan_tvp.ini"},
        {"pellan_tvp.ini", true, "pellan_tvp.ini"},
        {"/plugins/pellan_tvp.ini", true, "/plugins/pellan_tvp.ini"},
    };
    for (const Case& c : cases) {
        IniFile ini;
        ini.SetPath(c.path, c.asGiven, BaseDirectory);
        EXPECT_EQ(ini.Path(), c.expected) << c.path << " as given " << c.asGiven;
    }
}

class IniFileTest : public ::testing::Test {
protected:
    testing::TempDir dir;
    std::string path = dir.File("pellan_tvp.ini");
    IniFile ini;
    void SetUp() override { ini.SetPath(path, true, nullptr); }
};

TEST_F(IniFileTest, ReadIntInRangeFallsBackOutsideTheRange) {
    testing::WriteFile(path, "[p.tvp]\r\nlow=-1\r\nhigh=3\r\nin=2\r\nzero=0\r\nempty=\r\n");
    struct Case {
        std::string_view key;
        std::int32_t expected;
    };
    const std::vector<Case> cases = {{"low", 1}, {"high", 1}, {"in", 2}, {"zero", 0}, {"empty", 1}, {"missing", 1}};
    for (const Case& c : cases) EXPECT_EQ(ini.ReadIntInRange("p.tvp", c.key, 1, 0, 2), c.expected) << c.key;
    EXPECT_EQ(ini.ReadInt("p.tvp", "high", 1), 3);
    EXPECT_EQ(ini.ReadInt("other.tvp", "high", 1), 1);
    // a value out of range is not written back
    EXPECT_EQ(testing::ReadText(path), "[p.tvp]\r\nlow=-1\r\nhigh=3\r\nin=2\r\nzero=0\r\nempty=\r\n");
}

TEST_F(IniFileTest, ReadBoolIsAnyNonZeroNumber) {
    testing::WriteFile(path, "[Skarn.tvp]\r\nseven=7\r\nzero=0\r\nminus=-1\r\n");
    EXPECT_TRUE(ini.ReadBool("Skarn.tvp", "seven", false));
    EXPECT_TRUE(ini.ReadBool("Skarn.tvp", "minus", false));
    EXPECT_FALSE(ini.ReadBool("Skarn.tvp", "zero", true));
    EXPECT_TRUE(ini.ReadBool("Skarn.tvp", "missing", true));
    EXPECT_FALSE(ini.ReadBool("Skarn.tvp", "missing", false));
}

TEST_F(IniFileTest, WritesDecimalText) {
    ini.WriteInt("p.tvp", "A", -12);
    ini.WriteBool("p.tvp", "B", true);
    ini.WriteBool("p.tvp", "C", false);
    EXPECT_EQ(testing::ReadText(path), "[p.tvp]\r\nA=-12\r\nB=1\r\nC=0\r\n");
}

// Makes a folder the current directory for the life of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string& path) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~CurrentDirectory() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

TEST(IniFileEmptyPath, ReadsDefaultsAndWritesNothing) {
    testing::TempDir dir;
    CurrentDirectory inside(dir.path());
    testing::WriteFile(dir.File("pellan_tvp.ini"), "[p.tvp]\r\nk=2\r\n");
    IniFile ini;
    EXPECT_EQ(ini.ReadInt("p.tvp", "k", 5), 5);
    EXPECT_TRUE(ini.ReadBool("p.tvp", "k", true));
    ini.WriteInt("p.tvp", "k", 1);
    ini.WriteBool("p.tvp", "z", true);
    EXPECT_EQ(testing::ReadText(dir.File("pellan_tvp.ini")), "[p.tvp]\r\nk=2\r\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"pellan_tvp.ini"});
}

// The settings of the plug-ins, as their descriptors give them.
constexpr SettingSpec kCommentOnly[] = {{SettingKey::CommentBlt, 0, 0, 2}};
constexpr SettingSpec kMossel[] = {{SettingKey::NameBlt, 0, 0, 2}, {SettingKey::CommentBlt, 0, 0, 2}};
constexpr SettingSpec kPeltra[] = {{SettingKey::NameBlt, 2, 0, 2}, {SettingKey::CommentBlt, 0, 0, 2}};
constexpr SettingSpec kSkarn[] = {{SettingKey::ZeroDelete, 0, 0, 1}};
constexpr SettingSpec kSundrel[] = {{SettingKey::NameBlt, 0, 0, 1}};
const SettingsSpec kVareskSettings{"varesk.tvp", kCommentOnly};
const SettingsSpec kKolbrinSettings{"kolbrin.tvp", kCommentOnly};
const SettingsSpec kMosselSettings{"mossel.tvp", kMossel};
const SettingsSpec kPeltraSettings{"peltra.tvp", kPeltra};
const SettingsSpec kSkarnSettings{"Skarn.tvp", kSkarn};
const SettingsSpec kSundrelSettings{"sundrel.tvp", kSundrel};

// A plug-in file in a temporary folder, loaded; its handle is an address inside it.
class PluginFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(PELLAN_UNIT_MODULE, dir.File("plugin.tvp"));
        library = ::dlopen(dir.File("plugin.tvp").c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << ::dlerror();
        module = ::dlsym(library, "pellan_unit_module_anchor");
        ASSERT_NE(module, nullptr);
        g_baseDirectory = "/nowhere";  // the settings path is a full path: no base directory
    }
    void TearDown() override {
        if (library) ::dlclose(library);
    }
    PluginSettings Load(const SettingsSpec& settingsSpec, IniFile& ini) {
        PluginSettings settings;
        LoadSettings(settingsSpec, module, BaseDirectory, ini, settings);
        return settings;
    }

    testing::TempDir dir;
    std::string iniPath = dir.File("pellan_tvp.ini");
    void* library = nullptr;
    void* module = nullptr;
};

TEST_F(PluginFolderTest, WithoutAFileEveryKeyHasItsDefault) {
    IniFile ini;
    PluginSettings mossel = Load(kMosselSettings, ini);
    EXPECT_EQ(ini.Path(), iniPath);
    EXPECT_EQ(mossel.NameBlt, 0);
    EXPECT_EQ(mossel.CommentBlt, 0);
    PluginSettings peltra = Load(kPeltraSettings, ini);
    EXPECT_EQ(peltra.NameBlt, 2);
    EXPECT_EQ(peltra.CommentBlt, 0);
    EXPECT_FALSE(Load(kSkarnSettings, ini).ZeroDelete);
    EXPECT_EQ(Load(kSundrelSettings, ini).NameBlt, 0);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"plugin.tvp"});  // reading creates nothing
}

TEST_F(PluginFolderTest, EachPluginReadsItsOwnSectionWithinItsRanges) {
    testing::WriteFile(iniPath,
                       "[varesk.tvp]\r\nCommentBlt=2\r\n"
                       "[kolbrin.tvp]\r\nCommentBlt=1\r\n"
                       "[mossel.tvp]\r\nNameBlt=-1\r\nCommentBlt=3\r\n"
                       "[peltra.tvp]\r\nNameBlt=1\r\nCommentBlt=2\r\n"
                       "[Skarn.tvp]\r\nZeroDelete=7\r\n"
                       "[sundrel.tvp]\r\nNameBlt=2\r\n");
    IniFile ini;
    EXPECT_EQ(Load(kVareskSettings, ini).CommentBlt, 2);
    EXPECT_EQ(Load(kKolbrinSettings, ini).CommentBlt, 1);
    PluginSettings mossel = Load(kMosselSettings, ini);
    EXPECT_EQ(mossel.NameBlt, 0);
    EXPECT_EQ(mossel.CommentBlt, 0);
    PluginSettings peltra = Load(kPeltraSettings, ini);
    EXPECT_EQ(peltra.NameBlt, 1);
    EXPECT_EQ(peltra.CommentBlt, 2);
    EXPECT_TRUE(Load(kSkarnSettings, ini).ZeroDelete);
    EXPECT_EQ(Load(kSundrelSettings, ini).NameBlt, 0);  // 2 is outside 0 to 1
}

TEST_F(PluginFolderTest, SavingWithoutAFileCreatesItInKeyOrder) {
    IniFile ini;
    PluginSettings settings = Load(kPeltraSettings, ini);
    SaveSettings(kPeltraSettings, ini, settings);  // OK without a change
    EXPECT_EQ(testing::ReadText(iniPath), "[peltra.tvp]\r\nNameBlt=2\r\nCommentBlt=0\r\n");
    settings.ZeroDelete = true;  // not a key of this plug-in: never written
    settings.CommentBlt = 1;
    SaveSettings(kPeltraSettings, ini, settings);
    EXPECT_EQ(testing::ReadText(iniPath), "[peltra.tvp]\r\nNameBlt=2\r\nCommentBlt=1\r\n");
}

TEST_F(PluginFolderTest, TwoPluginsInOneFileNeverMix) {
    IniFile vareskIni, kolbrinIni;
    PluginSettings varesk = Load(kVareskSettings, vareskIni);
    PluginSettings kolbrin = Load(kKolbrinSettings, kolbrinIni);
    kolbrin.CommentBlt = 1;
    SaveSettings(kKolbrinSettings, kolbrinIni, kolbrin);
    varesk.CommentBlt = 2;
    SaveSettings(kVareskSettings, vareskIni, varesk);

    IniFile fresh;
    EXPECT_EQ(Load(kVareskSettings, fresh).CommentBlt, 2);
    EXPECT_EQ(Load(kKolbrinSettings, fresh).CommentBlt, 1);
    EXPECT_EQ(testing::ReadText(iniPath), "[kolbrin.tvp]\r\nCommentBlt=1\r\n[varesk.tvp]\r\nCommentBlt=2\r\n");

    PluginSettings skarn;
    skarn.ZeroDelete = true;
    SaveSettings(kSkarnSettings, fresh, skarn);
    EXPECT_TRUE(Load(kSkarnSettings, fresh).ZeroDelete);
    EXPECT_EQ(Load(kVareskSettings, fresh).CommentBlt, 2);
}

}  // namespace
}  // namespace pellan
