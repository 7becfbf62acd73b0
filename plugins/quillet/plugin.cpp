// quillet: Folialux replays (".rpy", USER blocks, old generation).
#include "frame/dialogs/comment_editor.h"
#include "frame/plugin_descriptor.h"

namespace pellan {
namespace {

constexpr ColumnSpec kColumns[] = {
    kFileNameColumn, kLastWriteColumn, {"No."}, {"バージョン"}, {"プレイヤー名"}, {"ステージ", 1, kText},
    {"レベル", 1, kWholeNumber}, {"シーン", 1, kWholeNumber}, {"プレイ時刻"}, {"スコア", 1, kWholeNumber},
    {"処理落ち率", 1, kFraction}, {"コメント"}, kFileSizeColumn, kDirectoryColumn,
};

constexpr SettingSpec kSettings[] = {{SettingKey::CommentBlt, 0, 0, 2}};

constexpr UserBlockTraits kUserBlock{
    Generation::Old,
    {"qllt", BlockTail::NulOnly, BlockTail::NulOnly},
    {ReplayNumberRule::Match::Pattern, "quillet_??.rpy", 20, "quillet_ud????.rpy"},
    11,
    nullptr,  // the summary columns come with the game's reader
    {},
};

// The configuration dialog's controls (template 101); the comment editor is template 102.
constexpr SettingChoice kChoices[] = {{SettingKey::CommentBlt, {1001, 1002, 1003}}};

constexpr PluginDescriptor kPlugin{
    1,
    {"TOLVEN Plug-in For Folialux Ver1.00", "Folialux", "quillet_*.rpy", "Folialux リプレイファイル(quillet_*.rpy)"},
    kColumns, 4, true, {"quillet.tvp", kSettings}, &kUserBlock, nullptr,
    {101, kChoices, kCommentEditorTemplate},
};

}  // namespace

const PluginDescriptor& ThisPlugin() { return kPlugin; }

}  // namespace pellan
