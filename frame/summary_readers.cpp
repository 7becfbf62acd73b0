#include "frame/summary_readers.h"

#include "userblock/new_generation_summary.h"

namespace pellan {

void ReadNewGenerationSummary(const FoundUserBlock& summary, const PluginSettings&, std::span<const SummaryKey> keys,
                              SlotValues& row) {
    FillSummaryRow(summary.Text(), keys, row);
}

}  // namespace pellan
