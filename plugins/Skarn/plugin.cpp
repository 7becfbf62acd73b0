// Skarn: Vortalis replays (".rep", binary match record).
#include "frame/plugin_descriptor.h"

namespace pellan {
namespace {

constexpr ColumnSpec kColumns[] = {
    kFileNameColumn, kLastWriteColumn, {"1Pキャラ"}, {"1Pカラー"}, {"2Pキャラ"}, {"2Pカラー"}, {"対戦ステージ"},
    {"バージョン"}, kFileSizeColumn, kDirectoryColumn,
};

constexpr SettingSpec kSettings[] = {{SettingKey::ZeroDelete, 0, 0, 0}};

// The record test comes with the Vortalis record; until then no file is accepted.
constexpr VersusTraits kVersus{nullptr};

// The configuration dialog's controls (template 101); the record editor (102) comes with the record.
constexpr SettingChoice kChoices[] = {{SettingKey::ZeroDelete, {1003}}};

constexpr PluginDescriptor kPlugin{
    1,
    {"TOLVEN Plug-in For Vortalis Ver1.00", "Skarn", "*.rep", "Skarn リプレイファイル(*rep)"},
    kColumns, 12, false, {"Skarn.tvp", kSettings}, nullptr, &kVersus,
    {101, kChoices, 0},
};

}  // namespace

const PluginDescriptor& ThisPlugin() { return kPlugin; }

}  // namespace pellan
