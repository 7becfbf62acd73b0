#pragma once
// The layout of a ".rpy" replay as far as the USER-block plug-ins use it: a 16-byte header
// (magic, game data, the USER block count at offset 7, the USER offset at offset 12), the
// replay body, and behind it a chain of USER blocks:
//   "USER", uint32 block size (header included), uint8 type, 3 zero bytes, body (text, NUL).
#include <cstdint>
#include <string_view>

namespace pellan {

constexpr std::uint32_t kReplayHeaderSize = 16;
constexpr std::uint32_t kBlockCountOffset = 7;
constexpr std::uint32_t kUserOffsetOffset = 12;
constexpr std::uint32_t kBlockHeaderSize = 12;
constexpr std::string_view kUserMarker = "USER";
constexpr std::string_view kReplayExtension = "rpy";

enum class BlockType : std::uint8_t { Summary = 0, Comment = 1 };

// What the rewrite writes after a block's text.
enum class BlockTail {
    NulAndZero,      // text, NUL, one zero byte: block size n + 14
    NulOnly,         // text, NUL: block size n + 13
    NulAndKeptByte,  // text, NUL, the byte that followed the NUL in the block as read: n + 14
};

// Everything that differs between the six USER-block games in their replay files.
struct ReplayFormat {
    std::string_view magic;  // four bytes in file order
    BlockTail summaryTail;
    BlockTail commentTail;
};

}  // namespace pellan
