// sundrel: Mistgale replays (".rep", binary match record in two formats).
#include "frame/plugin_descriptor.h"

namespace pellan {
namespace {

constexpr ColumnSpec kColumns[] = {
    kFileNameColumn, kLastWriteColumn, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"難易度"}, {"1P"},
    {"1Pスペルカード壱符"}, {"1Pスペルカード弐符"}, {"2P"}, {"2Pスペルカード壱符"}, {"2Pスペルカード弐符"},
    {"対戦ステージ"}, {"バージョン"}, {"リプレイ仕様"}, kFileSizeColumn, kDirectoryColumn,
};

constexpr SettingSpec kSettings[] = {{SettingKey::NameBlt, 0, 0, 1}};

// The record test comes with the Mistgale record; until then no file is accepted.
constexpr VersusTraits kVersus{nullptr};

// The configuration dialog's controls (template 101); the record editor (102) comes with the record.
constexpr SettingChoice kChoices[] = {{SettingKey::NameBlt, {1001, 1002}}};

constexpr PluginDescriptor kPlugin{
    1,
    {"TOLVEN Plug-in For Mistgale Ver1.00", "Mistgale", "*.rep", "Mistgale リプレイファイル(*rep)"},
    kColumns, 60, false, {"sundrel.tvp", kSettings}, nullptr, &kVersus,
    {101, kChoices, 0},
};

}  // namespace

const PluginDescriptor& ThisPlugin() { return kPlugin; }

}  // namespace pellan
