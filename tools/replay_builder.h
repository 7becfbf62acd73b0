#pragma once
// Builds ".rpy" replay images byte by byte from a description: magic, header, a body of any
// length and any chain of USER blocks, including damaged ones. The sample writer and the
// tests make every replay they need with it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellan::samples {

using Bytes = std::vector<std::uint8_t>;

struct BlockSpec {
    std::uint8_t type = 0;
    std::string body;                   // written as it stands (the text's NUL included by the caller)
    std::optional<std::uint32_t> size;  // the size field; default: 12 + body size
    std::string marker = "USER";
};

struct ReplaySpec {
    std::string magic;                        // four bytes
    std::string body;                         // the replay body behind the 16-byte header
    std::vector<BlockSpec> blocks;            // the USER chain, in file order
    std::uint8_t blockCount = 0xFF;           // header byte 7; 0xFF: the number of blocks
    std::optional<std::uint32_t> userOffset;  // default: 16 + body size
    std::optional<std::size_t> truncateTo;    // cut the image after this many bytes
};

// A block holding text, its NUL and extraZeros further zero bytes (the new-generation games
// write one, the old ones none).
BlockSpec TextBlock(std::uint8_t type, std::string_view text, unsigned extraZeros = 1);
inline BlockSpec Summary(std::string_view text, unsigned extraZeros = 1) { return TextBlock(0, text, extraZeros); }
inline BlockSpec Comment(std::string_view text, unsigned extraZeros = 1) { return TextBlock(1, text, extraZeros); }

// A replay with the default header: magic, body and USER chain.
ReplaySpec ReplayOf(std::string magic, std::string body, std::vector<BlockSpec> blocks);

Bytes BuildReplay(const ReplaySpec& replaySpec);

// Writes bytes to path, replacing the file; false on any failure.
bool WriteBytes(const std::string& path, const Bytes& bytes);

}  // namespace pellan::samples
