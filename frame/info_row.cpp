#include "frame/info_row.h"

#include <cstring>

#include "util/bounded_text.h"

namespace pellan {

void InfoRow::Set(std::size_t slot, std::string_view text) {
    if (slot >= slots_) return;
    char* at = row_ + slot * kSlotSize;
    std::memset(at, 0, kSlotSize);
    CopyOrAppend(at, kSlotSize, text);
}

std::string_view InfoRow::Get(std::size_t slot) const {
    if (slot >= slots_) return {};
    const char* at = row_ + slot * kSlotSize;
    return std::string_view(at, strnlen(at, kSlotSize));
}

}  // namespace pellan
