#pragma once
// The row that GetFileInfoList hands to the host: one 512-byte slot per column, each a
// NUL-terminated Shift-JIS text of at most 511 bytes.
#include <cstddef>
#include <string_view>

namespace pellan {

constexpr std::size_t kSlotSize = 512;

class InfoRow {
public:
    InfoRow(char* row, std::size_t slots) : row_(row), slots_(slots) {}
    // Replaces the slot's text; a text longer than 511 bytes is cut before a whole character.
    void Set(std::size_t slot, std::string_view text);
    std::string_view Get(std::size_t slot) const;

private:
    char* row_;
    std::size_t slots_;
};

}  // namespace pellan
