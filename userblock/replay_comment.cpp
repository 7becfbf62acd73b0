#include "userblock/replay_comment.h"

#include "platform/platform.h"
#include "userblock/replay_header.h"
#include "userblock/user_block_reader.h"
#include "util/file_read.h"

namespace pellan {

namespace {

bool ReadReplayFile(const std::string& path, const ReplayFormat& format, Bytes& image) {
    return ReadWholeFile(path, image) && CheckReplayHeader(ViewOf(image), path, format.magic);
}

void AppendBlock(Bytes& out, BlockType type, std::string_view text, BlockTail tail, std::uint8_t keptByte) {
    // Only the kept-byte style writes the byte that followed the NUL; the others write a zero.
    std::uint8_t tailBytes[2] = {0, tail == BlockTail::NulAndKeptByte ? keptByte : std::uint8_t(0)};
    std::size_t tailSize = tail == BlockTail::NulOnly ? 1 : 2;
    std::uint32_t blockSize = std::uint32_t(kBlockHeaderSize + text.size() + tailSize);
    std::uint8_t header[kBlockHeaderSize] = {'U', 'S', 'E', 'R', 0, 0, 0, 0, std::uint8_t(type), 0, 0, 0};
    StoreU32(header + 4, blockSize);
    out.insert(out.end(), header, header + kBlockHeaderSize);
    out.insert(out.end(), text.begin(), text.end());
    out.insert(out.end(), tailBytes, tailBytes + tailSize);
}

}  // namespace

bool LoadReplayComment(const std::string& path, const ReplayFormat& format, std::string& comment) {
    Bytes image;
    return ReadReplayFile(path, format, image) && ReadUserText(ViewOf(image), format.magic, BlockType::Comment, comment);
}

std::optional<Bytes> RewriteReplayComment(ByteView image, const ReplayFormat& format, std::string_view comment) {
    if (!CheckReplayHeader(image, {}, format.magic) || image.size() < kReplayHeaderSize) return std::nullopt;
    std::uint32_t userOffset = LoadU32(image, kUserOffsetOffset);
    if (userOffset < kReplayHeaderSize || userOffset > image.size()) return std::nullopt;
    comment = comment.substr(0, comment.find('\0'));
    // Sizes and offsets are 32-bit: a text that would not fit behind the prefix is refused.
    if (std::uint64_t(comment.size()) + image.size() > 0xFFFF0000ull) return std::nullopt;

    auto summary = FindUserBlock(image, format.magic, BlockType::Summary);
    std::uint8_t count = std::uint8_t((summary ? 1 : 0) + (comment.empty() ? 0 : 1));

    Bytes out(image.begin(), image.begin() + userOffset);
    out[kBlockCountOffset] = count;
    if (summary) AppendBlock(out, BlockType::Summary, summary->Text(), format.summaryTail, summary->ByteAfterText());
    if (!comment.empty()) AppendBlock(out, BlockType::Comment, comment, format.commentTail, 0);
    return out;
}

bool SaveReplayComment(const std::string& path, const ReplayFormat& format, std::string_view comment) {
    Bytes image;
    if (!ReadReplayFile(path, format, image)) return false;
    auto rewritten = RewriteReplayComment(ViewOf(image), format, comment);
    if (!rewritten || !platform::CanOpenForWriting(path)) return false;
    return platform::ReplaceFileContents(path, ViewOf(*rewritten));
}

}  // namespace pellan
