#pragma once
// The summary reader of the new-generation games: one "Key value" per line. A line belongs to
// the first key (in table order) that it starts with, byte for byte and case-sensitively,
// the key's trailing space included; its value is the rest of the line, verbatim.
#include <span>
#include <string_view>

#include "userblock/summary_values.h"

namespace pellan {

// True when line starts with key; value is then everything after the key.
bool MatchSummaryKey(std::string_view line, std::string_view key, std::string_view& value);

// Splits the summary into lines and stores each recognised value in its key's slot; the last
// line of a key wins.
void FillSummaryRow(std::string_view summary, std::span<const SummaryKey> keys, SlotValues& row);

}  // namespace pellan
