// dunmere: Tavernel replays (".rpy", USER blocks, new generation; no character or rank column).
#include "frame/dialogs/comment_editor.h"
#include "frame/plugin_descriptor.h"
#include "frame/summary_readers.h"

namespace pellan {
namespace {

constexpr ColumnSpec kColumns[] = {
    kFileNameColumn, kLastWriteColumn, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"ステージ"},
    {"スコア", 1, kWholeNumber}, {"処理落ち率", 1, kFraction}, {"バージョン"}, {"コメント"},
    kFileSizeColumn, kDirectoryColumn,
};

constexpr SettingSpec kSettings[] = {{SettingKey::CommentBlt, 0, 0, 2}};

// Summary keys in the order each line is tested; every key ends in its space. Tavernel rows
// have no character or rank column, so "Chara " and "Rank " lines are ignored.
constexpr SummaryKey kSummaryKeys[] = {{"Version ", 8}, {"Name ", 3}, {"Date ", 4}, {"Stage ", 5}, {"Score ", 6}, {"Slow Rate ", 7}};

constexpr UserBlockTraits kUserBlock{
    Generation::New,
    {"dnmr", BlockTail::NulAndZero, BlockTail::NulAndZero},
    {ReplayNumberRule::Match::Pattern, "dunmere_??.rpy", 25, "dunmere_ud????.rpy"},
    9,
    ReadNewGenerationSummary,
    kSummaryKeys,
};

// The configuration dialog's controls (template 103); the comment editor is template 102.
constexpr SettingChoice kChoices[] = {{SettingKey::CommentBlt, {1003, 1004, 1005}}};

constexpr PluginDescriptor kPlugin{
    2,
    {"TOLVEN Plug-in For Tavernel Ver1.00", "Tavernel", "dunmere_*.rpy", "Tavernel リプレイファイル(dunmere_*.rpy)"},
    kColumns, 4, true, {"dunmere.tvp", kSettings}, &kUserBlock, nullptr,
    {103, kChoices, kCommentEditorTemplate},
};

}  // namespace

const PluginDescriptor& ThisPlugin() { return kPlugin; }

}  // namespace pellan
