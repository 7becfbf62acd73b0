// kolbrin: Ventorium replays (".rpy", USER blocks, new generation).
#include "frame/dialogs/comment_editor.h"
#include "frame/plugin_descriptor.h"
#include "frame/summary_readers.h"
#include "plugins/new_generation_layout.h"

namespace pellan {
namespace {

constexpr SettingSpec kSettings[] = {{SettingKey::CommentBlt, 0, 0, 2}};

constexpr UserBlockTraits kUserBlock{
    Generation::New,
    {"kbrn", BlockTail::NulAndZero, BlockTail::NulAndZero},
    {ReplayNumberRule::Match::Pattern, "kolbrin_??.rpy", 25, "kolbrin_ud????.rpy"},
    new_generation::kCommentSlot,
    ReadNewGenerationSummary,
    new_generation::kSummaryKeys,
};

// The configuration dialog's controls (template 103); the comment editor is template 102.
constexpr SettingChoice kChoices[] = {{SettingKey::CommentBlt, {1003, 1004, 1005}}};

constexpr PluginDescriptor kPlugin{
    2,
    {"TOLVEN Plug-in For Ventorium Ver1.01", "Ventorium", "kolbrin_*.rpy", "Ventorium リプレイファイル(kolbrin_*.rpy)"},
    new_generation::kColumns, 4, true, {"kolbrin.tvp", kSettings}, &kUserBlock, nullptr,
    {103, kChoices, kCommentEditorTemplate},
};

}  // namespace

const PluginDescriptor& ThisPlugin() { return kPlugin; }

}  // namespace pellan
