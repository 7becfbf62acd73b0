#pragma once
// What a summary reader makes of a replay's summary text: the value for each row slot it
// fills. The frame copies them into the host's row; a later value for a slot replaces the
// earlier one, and an empty value empties the slot.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace pellan {

using SlotValues = std::map<std::size_t, std::string>;

// A key or label of a summary text and the row slot its value goes to.
struct SummaryKey {
    std::string_view key;
    std::size_t slot;
};

}  // namespace pellan
