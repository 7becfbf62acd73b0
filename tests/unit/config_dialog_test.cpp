// The configuration dialog's logic through a fake view, for every variant of the dialog: what
// it shows on opening for each stored value, what OK stores and writes, and that Cancel and the
// close box change nothing. The settings file is a real file in a temporary folder.
#include "frame/dialogs/config_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_dialog_view.h"
#include "frame/plugin_calls.h"
#include "test_support.h"

namespace pellan {
namespace {

using testing::FakeDialogView;

// The keys and controls of each plug-in's dialog, written out here independently of the
// plug-in descriptors (the real templates and descriptors are tested under wine).
constexpr SettingSpec kCommentKeys[] = {{SettingKey::CommentBlt, 0, 0, 2}};
constexpr SettingSpec kMosselKeys[] = {{SettingKey::NameBlt, 0, 0, 2}, {SettingKey::CommentBlt, 0, 0, 2}};
constexpr SettingSpec kPeltraKeys[] = {{SettingKey::NameBlt, 2, 0, 2}, {SettingKey::CommentBlt, 0, 0, 2}};
constexpr SettingSpec kSkarnKeys[] = {{SettingKey::ZeroDelete, 0, 0, 0}};
constexpr SettingSpec kSundrelKeys[] = {{SettingKey::NameBlt, 0, 0, 1}};

constexpr SettingChoice kTemplate103[] = {{SettingKey::CommentBlt, {1003, 1004, 1005}}};
constexpr SettingChoice kQuilletChoices[] = {{SettingKey::CommentBlt, {1001, 1002, 1003}}};
constexpr SettingChoice kNameAndCommentChoices[] = {{SettingKey::NameBlt, {1001, 1002, 1006}},
                                                    {SettingKey::CommentBlt, {1003, 1004, 1005}}};
constexpr SettingChoice kSkarnChoices[] = {{SettingKey::ZeroDelete, {1003}}};
constexpr SettingChoice kSundrelChoices[] = {{SettingKey::NameBlt, {1001, 1002}}};

struct Variant {
    std::string name;
    SettingsSpec settingsSpec;
    std::span<const SettingChoice> choices;
};

const std::vector<Variant>& Variants() {
    static const std::vector<Variant> variants = {
        {"varesk", {"varesk.tvp", kCommentKeys}, kTemplate103},
        {"dunmere", {"dunmere.tvp", kCommentKeys}, kTemplate103},
        {"kolbrin", {"kolbrin.tvp", kCommentKeys}, kTemplate103},
        {"quillet", {"quillet.tvp", kCommentKeys}, kQuilletChoices},
        {"mossel", {"mossel.tvp", kMosselKeys}, kNameAndCommentChoices},
        {"peltra", {"peltra.tvp", kPeltraKeys}, kNameAndCommentChoices},
        {"Skarn", {"Skarn.tvp", kSkarnKeys}, kSkarnChoices},
        {"sundrel", {"sundrel.tvp", kSundrelKeys}, kSundrelChoices},
    };
    return variants;
}

const Variant& VariantOf(std::string_view name) {
    for (const Variant& variant : Variants())
        if (variant.name == name) return variant;
    throw std::logic_error("no such variant");
}

// The group of controls that item belongs to.
std::vector<int> GroupOf(const Variant& variant, int item) {
    for (const SettingChoice& choice : variant.choices) {
        std::vector<int> group(choice.items.begin(), choice.items.begin() + choice.Count());
        for (int member : group)
            if (member == item) return group;
    }
    return {item};
}

// A click as the user makes it: a radio button checks itself and clears its group, a check box
// toggles.
void Click(FakeDialogView& view, const Variant& variant, int item) {
    std::vector<int> group = GroupOf(variant, item);
    if (group.size() == 1)
        view.checks[item] = !view.IsChecked(item);
    else
        view.Click(item, group);
}

// One plug-in's dialog over a settings file, loaded as the plug-in loads it.
class DialogFixture {
public:
    DialogFixture(const Variant& variant, const testing::TempDir& dir) : variant_(variant) {
        ini_.SetPath(dir.File("pellan_tvp.ini"), true, nullptr);
        ReadSettings(variant.settingsSpec, ini_, settings);
    }
    ConfigDialog Dialog() { return ConfigDialog(variant_.choices, variant_.settingsSpec, ini_, settings); }

    PluginSettings settings;

private:
    const Variant& variant_;
    IniFile ini_;
};

void ExpectSameSettings(const PluginSettings& actual, const PluginSettings& expected) {
    EXPECT_EQ(actual.CommentBlt, expected.CommentBlt);
    EXPECT_EQ(actual.NameBlt, expected.NameBlt);
    EXPECT_EQ(actual.ZeroDelete, expected.ZeroDelete);
}

TEST(ConfigDialog, OpensWithTheStoredValueCheckedAndDefaultsForMissingOrOutOfRangeValues) {
    struct Case {
        std::string plugin;
        std::string lines;  // the plug-in's section in the file; "-" for no file at all
        std::vector<int> checked;
    };
    const std::vector<Case> cases = {
        {"varesk", "-", {1003}},
        {"varesk", "", {1003}},
        {"varesk", "CommentBlt=0", {1003}},
        {"varesk", "CommentBlt=1", {1004}},
        {"varesk", "CommentBlt=2", {1005}},
        {"varesk", "CommentBlt=3", {1003}},
        {"varesk", "CommentBlt=-1", {1003}},
        {"varesk", "commentblt=2", {1005}},
        {"dunmere", "CommentBlt=1", {1004}},
        {"dunmere", "CommentBlt=9", {1003}},
        {"kolbrin", "CommentBlt=2", {1005}},
        {"kolbrin", "CommentBlt=-1", {1003}},
        {"quillet", "-", {1001}},
        {"quillet", "CommentBlt=1", {1002}},
        {"quillet", "CommentBlt=2", {1003}},
        {"quillet", "CommentBlt=3", {1001}},
        {"mossel", "-", {1001, 1003}},
        {"mossel", "NameBlt=1", {1002, 1003}},
        {"mossel", "NameBlt=2\r\nCommentBlt=1", {1004, 1006}},
        {"mossel", "NameBlt=3\r\nCommentBlt=2", {1001, 1005}},
        {"mossel", "NameBlt=-1\r\nCommentBlt=-1", {1001, 1003}},
        {"peltra", "-", {1003, 1006}},
        {"peltra", "NameBlt=0", {1001, 1003}},
        {"peltra", "NameBlt=1\r\nCommentBlt=2", {1002, 1005}},
        {"peltra", "NameBlt=3\r\nCommentBlt=3", {1003, 1006}},
        {"peltra", "NameBlt=-1", {1003, 1006}},
        {"Skarn", "-", {}},
        {"Skarn", "ZeroDelete=0", {}},
        {"Skarn", "ZeroDelete=1", {1003}},
        {"Skarn", "ZeroDelete=7", {1003}},
        {"Skarn", "ZeroDelete=-1", {1003}},
        {"sundrel", "-", {1001}},
        {"sundrel", "NameBlt=1", {1002}},
        {"sundrel", "NameBlt=2", {1001}},
        {"sundrel", "NameBlt=-1", {1001}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plugin + " [" + c.lines + "]");
        const Variant& variant = VariantOf(c.plugin);
        testing::TempDir dir;
        std::string file = dir.File("pellan_tvp.ini");
        std::string text = "[" + std::string(variant.settingsSpec.section) + "]\r\n" + c.lines + "\r\n";
        if (c.lines != "-") testing::WriteFile(file, text);
        DialogFixture fixture(variant, dir);
        ConfigDialog dialog = fixture.Dialog();
        FakeDialogView view;
        dialog.OnInit(view);
        EXPECT_EQ(view.Checked(), c.checked);
        EXPECT_EQ(view.endCalls, 0);
        // Opening reads nothing more and writes nothing.
        if (c.lines == "-")
            EXPECT_EQ(dir.Names(), std::vector<std::string>{});
        else
            EXPECT_EQ(testing::ReadText(file), text);
    }
}

TEST(ConfigDialog, OkStoresTheChosenValuesAndWritesExactlyThePluginsKeys) {
    struct Case {
        std::string plugin;
        std::string before;  // the whole file; empty: no file
        std::vector<int> clicks;
        PluginSettings expected;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"varesk", "", {}, {0, 0, false}, "[varesk.tvp]\r\nCommentBlt=0\r\n"},
        {"varesk", "", {1005}, {2, 0, false}, "[varesk.tvp]\r\nCommentBlt=2\r\n"},
        {"dunmere", "[dunmere.tvp]\r\nCommentBlt=2\r\n", {1004}, {1, 0, false}, "[dunmere.tvp]\r\nCommentBlt=1\r\n"},
        {"kolbrin", "[kolbrin.tvp]\r\nCommentBlt=7\r\n", {}, {0, 0, false}, "[kolbrin.tvp]\r\nCommentBlt=0\r\n"},
        {"quillet", "", {1002}, {1, 0, false}, "[quillet.tvp]\r\nCommentBlt=1\r\n"},
        {"quillet", "", {1003}, {2, 0, false}, "[quillet.tvp]\r\nCommentBlt=2\r\n"},
        {"mossel", "", {}, {0, 0, false}, "[mossel.tvp]\r\nNameBlt=0\r\nCommentBlt=0\r\n"},
        {"mossel", "", {1002, 1005}, {2, 1, false}, "[mossel.tvp]\r\nNameBlt=1\r\nCommentBlt=2\r\n"},
        {"mossel", "", {1006, 1004}, {1, 2, false}, "[mossel.tvp]\r\nNameBlt=2\r\nCommentBlt=1\r\n"},
        {"peltra", "", {}, {0, 2, false}, "[peltra.tvp]\r\nNameBlt=2\r\nCommentBlt=0\r\n"},
        {"peltra", "", {1001, 1004}, {1, 0, false}, "[peltra.tvp]\r\nNameBlt=0\r\nCommentBlt=1\r\n"},
        {"Skarn", "", {}, {0, 0, false}, "[Skarn.tvp]\r\nZeroDelete=0\r\n"},
        {"Skarn", "", {1003}, {0, 0, true}, "[Skarn.tvp]\r\nZeroDelete=1\r\n"},
        {"Skarn", "[Skarn.tvp]\r\nZeroDelete=7\r\n", {}, {0, 0, true}, "[Skarn.tvp]\r\nZeroDelete=1\r\n"},
        {"Skarn", "[Skarn.tvp]\r\nZeroDelete=7\r\n", {1003}, {0, 0, false}, "[Skarn.tvp]\r\nZeroDelete=0\r\n"},
        {"sundrel", "", {}, {0, 0, false}, "[sundrel.tvp]\r\nNameBlt=0\r\n"},
        {"sundrel", "", {1002}, {0, 1, false}, "[sundrel.tvp]\r\nNameBlt=1\r\n"},
        {"sundrel", "[sundrel.tvp]\r\nNameBlt=1\r\n", {1001}, {0, 0, false}, "[sundrel.tvp]\r\nNameBlt=0\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plugin + ": " + ::testing::PrintToString(c.clicks));
        const Variant& variant = VariantOf(c.plugin);
        testing::TempDir dir;
        std::string file = dir.File("pellan_tvp.ini");
        if (!c.before.empty()) testing::WriteFile(file, c.before);
        DialogFixture fixture(variant, dir);
        ConfigDialog dialog = fixture.Dialog();
        FakeDialogView view;
        dialog.OnInit(view);
        for (int item : c.clicks) Click(view, variant, item);
        EXPECT_TRUE(dialog.OnCommand(view, kOkCommand, 0));
        EXPECT_EQ(view.endCalls, 1);
        EXPECT_EQ(view.endCode, kDone);
        ExpectSameSettings(fixture.settings, c.expected);
        EXPECT_EQ(testing::ReadText(file), c.after);
    }
}

TEST(ConfigDialog, ARadioGroupWithNoCheckedButtonGivesItsLastValue) {
    struct Case {
        const char* plugin;
        std::int32_t nameBlt, commentBlt;
    };
    const Case cases[] = {{"mossel", 2, 2}, {"sundrel", 1, 0}};
    testing::TempDir dir;
    for (const Case& c : cases) {
        DialogFixture fixture(VariantOf(c.plugin), dir);
        ConfigDialog dialog = fixture.Dialog();
        FakeDialogView view;
        dialog.OnInit(view);
        view.checks.clear();
        dialog.OnCommand(view, kOkCommand, 0);
        EXPECT_EQ(fixture.settings.NameBlt, c.nameBlt) << c.plugin;
        EXPECT_EQ(fixture.settings.CommentBlt, c.commentBlt) << c.plugin;
    }
}

TEST(ConfigDialog, CancelAndTheCloseBoxLeaveMemoryAndFileAlone) {
    const std::string others = "[other.tvp]\r\nCommentBlt=1\r\n";
    struct Case {
        std::string plugin;
        std::string section;  // the plug-in's stored values
        std::vector<int> clicks;
    };
    const std::vector<Case> cases = {
        {"varesk", "CommentBlt=1", {1005}},   {"dunmere", "CommentBlt=2", {1003}},
        {"kolbrin", "CommentBlt=0", {1004}},  {"quillet", "CommentBlt=1", {1003}},
        {"mossel", "NameBlt=1\r\nCommentBlt=2", {1006, 1003}},
        {"peltra", "NameBlt=0\r\nCommentBlt=1", {1002, 1005}},
        {"Skarn", "ZeroDelete=1", {1003}},    {"sundrel", "NameBlt=1", {1001}},
    };
    for (bool close : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.plugin + (close ? " closed" : " cancelled"));
            const Variant& variant = VariantOf(c.plugin);
            testing::TempDir dir;
            std::string file = dir.File("pellan_tvp.ini");
            std::string text = others + "[" + std::string(variant.settingsSpec.section) + "]\r\n" + c.section + "\r\n";
            testing::WriteFile(file, text);
            DialogFixture fixture(variant, dir);
            PluginSettings before = fixture.settings;
            ConfigDialog dialog = fixture.Dialog();
            FakeDialogView view;
            dialog.OnInit(view);
            std::vector<int> opened = view.Checked();
            for (int item : c.clicks) Click(view, variant, item);
            ASSERT_NE(view.Checked(), opened);
            if (close)
                dialog.OnClose(view);
            else
                EXPECT_TRUE(dialog.OnCommand(view, kCancelCommand, 0));
            EXPECT_EQ(view.endCalls, 1);
            EXPECT_EQ(view.endCode, kCancelled);
            ExpectSameSettings(fixture.settings, before);
            EXPECT_EQ(testing::ReadText(file), text);
        }
    }
}

TEST(ConfigDialog, CommandsOfTheChoiceControlsAreLeftToTheSystem) {
    testing::TempDir dir;
    const Variant& mossel = VariantOf("mossel");
    DialogFixture fixture(mossel, dir);
    ConfigDialog dialog = fixture.Dialog();
    FakeDialogView view;
    dialog.OnInit(view);
    for (int item : {1001, 1002, 1003, 1004, 1005, 1006, 0, 3}) EXPECT_FALSE(dialog.OnCommand(view, item, 0)) << item;
    EXPECT_EQ(view.endCalls, 0);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{});
}

TEST(ConfigDialog, PluginsSharingOneFileReadAndWriteOnlyTheirOwnSections) {
    testing::TempDir dir;
    std::string file = dir.File("pellan_tvp.ini");
    testing::WriteFile(file,
                       "[kolbrin.tvp]\r\nCommentBlt=2\r\n[varesk.tvp]\r\nCommentBlt=1\r\n"
                       "[mossel.tvp]\r\nNameBlt=1\r\nCommentBlt=1\r\n");

    DialogFixture varesk(VariantOf("varesk"), dir);
    DialogFixture kolbrin(VariantOf("kolbrin"), dir);
    DialogFixture mossel(VariantOf("mossel"), dir);
    DialogFixture peltra(VariantOf("peltra"), dir);

    ConfigDialog vareskDialog = varesk.Dialog();
    FakeDialogView view;
    vareskDialog.OnInit(view);
    EXPECT_EQ(view.Checked(), std::vector<int>{1004});  // varesk's own 1, not kolbrin's 2
    Click(view, VariantOf("varesk"), 1003);
    vareskDialog.OnCommand(view, kOkCommand, 0);

    ConfigDialog peltraDialog = peltra.Dialog();
    FakeDialogView peltraView;
    peltraDialog.OnInit(peltraView);
    EXPECT_EQ(peltraView.Checked(), (std::vector<int>{1003, 1006}));  // peltra's defaults, not mossel's values
    Click(peltraView, VariantOf("peltra"), 1001);
    peltraDialog.OnCommand(peltraView, kOkCommand, 0);

    EXPECT_EQ(testing::ReadText(file),
              "[kolbrin.tvp]\r\nCommentBlt=2\r\n[varesk.tvp]\r\nCommentBlt=0\r\n"
              "[mossel.tvp]\r\nNameBlt=1\r\nCommentBlt=1\r\n[peltra.tvp]\r\nNameBlt=0\r\nCommentBlt=0\r\n");
    EXPECT_EQ(varesk.settings.CommentBlt, 0);
    EXPECT_EQ(kolbrin.settings.CommentBlt, 2);
    EXPECT_EQ(mossel.settings.NameBlt, 1);
    EXPECT_EQ(peltra.settings.NameBlt, 0);

    // Read afresh, each plug-in finds its own values.
    DialogFixture kolbrinAgain(VariantOf("kolbrin"), dir);
    DialogFixture mosselAgain(VariantOf("mossel"), dir);
    EXPECT_EQ(kolbrinAgain.settings.CommentBlt, 2);
    EXPECT_EQ(mosselAgain.settings.NameBlt, 1);
    EXPECT_EQ(mosselAgain.settings.CommentBlt, 1);
}

}  // namespace
}  // namespace pellan
