// varesk: Grottamar replays (".rpy", USER blocks, new generation).
#include "frame/plugin_descriptor.h"

namespace pellan {
namespace {

constexpr ColumnSpec kColumns[] = {
    kFileNameColumn, kLastWriteColumn, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"使用キャラ"}, {"難易度"},
    {"ステージ"}, {"スコア", 1, kWholeNumber}, {"処理落ち率", 1, kFraction}, {"バージョン"}, {"コメント"},
    kFileSizeColumn, kDirectoryColumn,
};

constexpr SettingSpec kSettings[] = {{SettingKey::CommentBlt, 0, 0, 2}};

constexpr UserBlockTraits kUserBlock{
    Generation::New,
    {"vrsk", BlockTail::NulAndZero, BlockTail::NulAndZero},
    {ReplayNumberRule::Match::Pattern, "varesk_??.rpy", 25, "varesk_ud????.rpy"},
    11,
    nullptr,
};

constexpr PluginDescriptor kPlugin{
    "varesk", Family::NewGeneration, 2,
    {"TOLVEN Plug-in For Grottamar Ver1.00", "Grottamar", "varesk_*.rpy", "Grottamar リプレイファイル(varesk_*.rpy)"},
    kColumns, 4, true, true, {"varesk.tvp", kSettings}, &kUserBlock, nullptr,
};

}  // namespace

const PluginDescriptor& ThisPlugin() { return kPlugin; }

}  // namespace pellan
