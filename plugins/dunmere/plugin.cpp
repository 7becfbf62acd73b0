// dunmere: Tavernel replays (".rpy", USER blocks, new generation; no character or rank column).
#include "frame/plugin_descriptor.h"

namespace pellan {
namespace {

constexpr ColumnSpec kColumns[] = {
    kFileNameColumn, kLastWriteColumn, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"ステージ"},
    {"スコア", 1, kWholeNumber}, {"処理落ち率", 1, kFraction}, {"バージョン"}, {"コメント"},
    kFileSizeColumn, kDirectoryColumn,
};

constexpr SettingSpec kSettings[] = {{SettingKey::CommentBlt, 0, 0, 2}};

constexpr UserBlockTraits kUserBlock{
    Generation::New,
    {"dnmr", BlockTail::NulAndZero, BlockTail::NulAndZero},
    {ReplayNumberRule::Match::Pattern, "dunmere_??.rpy", 25, "dunmere_ud????.rpy"},
    9,
    nullptr,
};

constexpr PluginDescriptor kPlugin{
    "dunmere", Family::NewGeneration, 2,
    {"TOLVEN Plug-in For Tavernel Ver1.00", "Tavernel", "dunmere_*.rpy", "Tavernel リプレイファイル(dunmere_*.rpy)"},
    kColumns, 4, true, true, {"dunmere.tvp", kSettings}, &kUserBlock, nullptr,
};

}  // namespace

const PluginDescriptor& ThisPlugin() { return kPlugin; }

}  // namespace pellan
