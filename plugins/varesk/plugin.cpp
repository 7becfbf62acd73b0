// varesk: Grottamar replays (".rpy", USER blocks, new generation).
#include "frame/dialogs/comment_editor.h"
#include "frame/plugin_descriptor.h"
#include "frame/summary_readers.h"

namespace pellan {
namespace {

constexpr ColumnSpec kColumns[] = {
    kFileNameColumn, kLastWriteColumn, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"使用キャラ"}, {"難易度"},
    {"ステージ"}, {"スコア", 1, kWholeNumber}, {"処理落ち率", 1, kFraction}, {"バージョン"}, {"コメント"},
    kFileSizeColumn, kDirectoryColumn,
};

constexpr SettingSpec kSettings[] = {{SettingKey::CommentBlt, 0, 0, 2}};

// Summary keys in the order each line is tested; every key ends in its space.
constexpr SummaryKey kSummaryKeys[] = {{"Version ", 10}, {"Name ", 3}, {"Date ", 4}, {"Chara ", 5}, {"Rank ", 6}, {"Stage ", 7}, {"Score ", 8}, {"Slow Rate ", 9}};

constexpr UserBlockTraits kUserBlock{
    Generation::New,
    {"vrsk", BlockTail::NulAndZero, BlockTail::NulAndZero},
    {ReplayNumberRule::Match::Pattern, "varesk_??.rpy", 25, "varesk_ud????.rpy"},
    11,
    ReadNewGenerationSummary,
    kSummaryKeys,
};

// The configuration dialog's controls (template 103); the comment editor is template 102.
constexpr SettingChoice kChoices[] = {{SettingKey::CommentBlt, {1003, 1004, 1005}}};

constexpr PluginDescriptor kPlugin{
    "varesk", Family::NewGeneration, 2,
    {"TOLVEN Plug-in For Grottamar Ver1.00", "Grottamar", "varesk_*.rpy", "Grottamar リプレイファイル(varesk_*.rpy)"},
    kColumns, 4, true, true, {"varesk.tvp", kSettings}, &kUserBlock, nullptr,
    {103, kChoices, kCommentEditorTemplate},
};

}  // namespace

const PluginDescriptor& ThisPlugin() { return kPlugin; }

}  // namespace pellan
