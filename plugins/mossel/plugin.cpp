// mossel: Noctevar replays (".rpy", USER blocks, old generation).
#include "frame/dialogs/comment_editor.h"
#include "frame/plugin_descriptor.h"

namespace pellan {
namespace {

constexpr ColumnSpec kColumns[] = {
    kFileNameColumn, kLastWriteColumn, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"キャラ名"}, {"難易度"},
    {"最終ステージ"}, {"カード名"}, {"ミス回数", 1, kWholeNumber}, {"ボム回数", 1, kWholeNumber},
    {"スコア", 1, kWholeNumber}, {"処理落ち率", 1, kFraction}, {"人間率", 1, kFraction}, {"バージョン"},
    {"コメント"}, kFileSizeColumn, kDirectoryColumn,
};

constexpr SettingSpec kSettings[] = {{SettingKey::NameBlt, 0, 0, 2}, {SettingKey::CommentBlt, 0, 0, 2}};

constexpr UserBlockTraits kUserBlock{
    Generation::Old,
    {"MSSL", BlockTail::NulOnly, BlockTail::NulOnly},
    {ReplayNumberRule::Match::PrefixAndSuffix, "mossel_", 15, ""},
    15,
    nullptr,  // the summary columns come with the game's reader
    {},
};

// The configuration dialog's controls (template 101); the comment editor is template 102.
constexpr SettingChoice kChoices[] = {{SettingKey::NameBlt, {1001, 1002, 1006}}, {SettingKey::CommentBlt, {1003, 1004, 1005}}};

constexpr PluginDescriptor kPlugin{
    1,
    {"TOLVEN Plug-in For Noctevar Ver1.00", "Noctevar", "mossel_*.rpy", "Noctevar リプレイファイル(mossel_*.rpy)"},
    kColumns, 4, false, {"mossel.tvp", kSettings}, &kUserBlock, nullptr,
    {101, kChoices, kCommentEditorTemplate},
};

}  // namespace

const PluginDescriptor& ThisPlugin() { return kPlugin; }

}  // namespace pellan
