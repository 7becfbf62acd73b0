#include "userblock/user_block_reader.h"

#include <cstring>

#include "userblock/replay_header.h"
#include "util/memory_reader.h"

namespace pellan {

std::string_view FoundUserBlock::Text() const {
    std::string_view all(body);
    return all.substr(0, all.find('\0'));
}

std::uint32_t FoundUserBlock::HeldSize() const {
    std::uint32_t declared = blockSize > kBlockHeaderSize ? blockSize - (kBlockHeaderSize - 1) : 1;
    std::uint32_t held = std::uint32_t(body.size()) + 1;
    return declared < held ? declared : held;
}

std::uint8_t FoundUserBlock::ByteAfterText() const {
    std::size_t after = Text().size() + 1;
    return after < body.size() ? std::uint8_t(body[after]) : 0;
}

std::optional<FoundUserBlock> FindUserBlock(ByteView image, std::string_view magic, BlockType type) {
    if (!CheckReplayHeader(image, {}, magic)) return std::nullopt;
    MemoryReader reader;
    if (!reader.OpenMemory(image) || reader.GetSize() < kReplayHeaderSize) return std::nullopt;
    std::uint8_t header[kReplayHeaderSize];
    reader.Read(header, kReplayHeaderSize);
    reader.Seek(LoadU32(ByteView(header, kReplayHeaderSize), kUserOffsetOffset), MemoryReader::kFromStart);

    while (!reader.IsEof()) {
        if (reader.Remaining() < kBlockHeaderSize) return std::nullopt;
        std::uint8_t blockHeader[kBlockHeaderSize];
        reader.Read(blockHeader, kBlockHeaderSize);
        std::uint32_t blockSize = LoadU32(ByteView(blockHeader, kBlockHeaderSize), 4);
        bool isUser = std::memcmp(blockHeader, kUserMarker.data(), 4) == 0;
        if (isUser && blockHeader[8] == std::uint8_t(type)) {
            FoundUserBlock found;
            found.blockSize = blockSize;
            std::uint32_t want = blockSize > kBlockHeaderSize ? blockSize - kBlockHeaderSize : 0;
            std::uint32_t have = want < reader.Remaining() ? want : reader.Remaining();
            found.body.resize(have);
            reader.Read(found.body.data(), have);
            return found;
        }
        if (blockSize > kBlockHeaderSize && !reader.Skip(blockSize - kBlockHeaderSize)) return std::nullopt;
    }
    return std::nullopt;
}

bool ReadUserText(ByteView image, std::string_view magic, BlockType type, std::string& text) {
    auto found = FindUserBlock(image, magic, type);
    if (!found) return false;
    text.assign(found->Text());
    return true;
}

}  // namespace pellan
