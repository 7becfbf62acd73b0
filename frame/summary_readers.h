#pragma once
// The summary readers that a plug-in descriptor can choose, in the frame's common form.
#include <span>

#include "frame/settings.h"
#include "userblock/summary_values.h"
#include "userblock/user_block_reader.h"

namespace pellan {

// varesk, dunmere, kolbrin: "Key value" lines (see FillSummaryRow).
void ReadNewGenerationSummary(const FoundUserBlock& summary, const PluginSettings& settings,
                              std::span<const SummaryKey> keys, SlotValues& row);

}  // namespace pellan
