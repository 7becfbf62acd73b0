// peltra: Bloomfrey replays (".rpy", USER blocks, old generation).
#include "frame/dialogs/comment_editor.h"
#include "frame/plugin_descriptor.h"

namespace pellan {
namespace {

constexpr ColumnSpec kColumns[] = {
    kFileNameColumn, kLastWriteColumn, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"難易度"}, {"モード"},
    {"使用キャラ"}, {"対戦キャラ"}, {"初期体力"}, {"バージョン"}, {"コメント"}, kFileSizeColumn, kDirectoryColumn,
};

constexpr SettingSpec kSettings[] = {{SettingKey::NameBlt, 2, 0, 2}, {SettingKey::CommentBlt, 0, 0, 2}};

constexpr UserBlockTraits kUserBlock{
    Generation::Old,
    // The game writes one more byte after the summary's NUL; the rewrite keeps it.
    {"PLTR", BlockTail::NulAndKeptByte, BlockTail::NulOnly},
    {ReplayNumberRule::Match::PrefixAndSuffix, "peltra_", 25, "peltra_ud"},
    11,
    nullptr,  // the summary columns come with the game's reader
    {},
};

// The configuration dialog's controls (template 101); the comment editor is template 102.
constexpr SettingChoice kChoices[] = {{SettingKey::NameBlt, {1001, 1002, 1006}}, {SettingKey::CommentBlt, {1003, 1004, 1005}}};

constexpr PluginDescriptor kPlugin{
    1,
    {"TOLVEN Plug-in For Bloomfrey Ver1.00", "Bloomfrey", "peltra_*.rpy", "Bloomfrey リプレイファイル(peltra_*.rpy)"},
    kColumns, 4, false, {"peltra.tvp", kSettings}, &kUserBlock, nullptr,
    {101, kChoices, kCommentEditorTemplate},
};

}  // namespace

const PluginDescriptor& ThisPlugin() { return kPlugin; }

}  // namespace pellan
