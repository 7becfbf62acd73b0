#pragma once
// A read-only view of untrusted bytes (a replay image, a file's leading bytes).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pellan {

using ByteView = std::span<const std::uint8_t>;
using Bytes = std::vector<std::uint8_t>;

inline ByteView ViewOf(const Bytes& bytes) { return ByteView(bytes.data(), bytes.size()); }
inline ByteView ViewOf(std::string_view text) {
    return ByteView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

// Little-endian 32-bit value at offset; the caller has checked offset + 4 <= size.
inline std::uint32_t LoadU32(ByteView bytes, std::size_t offset) {
    return std::uint32_t(bytes[offset]) | std::uint32_t(bytes[offset + 1]) << 8 |
           std::uint32_t(bytes[offset + 2]) << 16 | std::uint32_t(bytes[offset + 3]) << 24;
}

inline void StoreU32(std::uint8_t* at, std::uint32_t value) {
    at[0] = std::uint8_t(value);
    at[1] = std::uint8_t(value >> 8);
    at[2] = std::uint8_t(value >> 16);
    at[3] = std::uint8_t(value >> 24);
}

}  // namespace pellan
