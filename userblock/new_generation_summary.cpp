#include "userblock/new_generation_summary.h"

#include "util/text_split.h"

namespace pellan {

bool MatchSummaryKey(std::string_view line, std::string_view key, std::string_view& value) {
    if (line.substr(0, key.size()) != key) return false;
    value = line.substr(key.size());
    return true;
}

void FillSummaryRow(std::string_view summary, std::span<const SummaryKey> keys, SlotValues& row) {
    for (const std::string& line : SplitLines(summary)) {
        for (const SummaryKey& key : keys) {
            std::string_view value;
            if (MatchSummaryKey(line, key.key, value)) {
                row[key.slot] = std::string(value);
                break;
            }
        }
    }
}

}  // namespace pellan
