#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "userblock/replay_format.h"
#include "util/byte_view.h"

namespace pellan {

// A USER block found in a replay image.
struct FoundUserBlock {
    std::uint32_t blockSize = 0;  // as the block header declares it
    std::string body;             // the body bytes that the image holds (at most blockSize - 12)

    // The block's text: the body up to its first NUL.
    std::string_view Text() const;
    // The size of the zero-filled buffer that holds the body and at least one NUL in the old
    // generation: block size - 11, but never more than the image holds plus that NUL, so a
    // damaged size field cannot make anybody allocate gigabytes.
    std::uint32_t HeldSize() const;
    // The byte that follows the text's NUL inside the block, 0 where the block has none.
    std::uint8_t ByteAfterText() const;
};

// Walks the USER blocks of a replay image (magic checked, no extension test) and returns the
// first block of the wanted type. Every offset and size from the image is checked against the
// bytes that remain; a wanted block whose size is below 12 is found with an empty text.
std::optional<FoundUserBlock> FindUserBlock(ByteView image, std::string_view magic, BlockType type);

// The text of the first block of the wanted type; false when there is none.
bool ReadUserText(ByteView image, std::string_view magic, BlockType type, std::string& text);

}  // namespace pellan
