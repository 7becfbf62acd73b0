// Fuzz target: any bytes as a replay image of every USER-block layout. The walk, the row
// values, the comment display and the rewrite must never read outside the image, and the
// rewrite must keep the prefix it claims to keep.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "frame/comment_display.h"
#include "userblock/new_generation_summary.h"
#include "userblock/replay_comment.h"
#include "userblock/user_block_reader.h"

using namespace pellan;

namespace {
constexpr ReplayFormat kFormats[] = {
    {"vrsk", BlockTail::NulAndZero, BlockTail::NulAndZero},
    {"vrsk", BlockTail::NulOnly, BlockTail::NulOnly},
    {"vrsk", BlockTail::NulAndKeptByte, BlockTail::NulOnly},
};
constexpr SummaryKey kKeys[] = {{"Name ", 3}, {"Score ", 8}};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // The first byte picks the layout and the display mode; the rest, behind the magic, is the image.
    std::uint8_t pick = data[0];
    Bytes image = {'v', 'r', 's', 'k'};
    image.insert(image.end(), data + 1, data + size);
    ByteView view = ViewOf(image);

    for (BlockType type : {BlockType::Summary, BlockType::Comment}) {
        auto block = FindUserBlock(view, "vrsk", type);
        if (!block) continue;
        if (block->body.size() > image.size() || block->HeldSize() > image.size() + 1) std::abort();
        SlotValues row;
        FillSummaryRow(block->Text(), kKeys, row);
        for (Generation g : {Generation::New, Generation::Old}) {
            std::string shown = CommentDisplayText(block->Text(), pick % 3, g);
            if (shown.size() > block->Text().size()) std::abort();
            if (CutCommentToSlot(shown).size() > 511) std::abort();
        }
    }
    const ReplayFormat& format = kFormats[pick % 3];
    std::string comment(reinterpret_cast<const char*>(data), size < 40 ? size : 40);
    if (auto rewritten = RewriteReplayComment(view, format, comment)) {
        std::uint32_t offset = LoadU32(view, kUserOffsetOffset);
        if (rewritten->size() < offset) std::abort();
        for (std::uint32_t i = 0; i < offset; ++i)
            if (i != kBlockCountOffset && (*rewritten)[i] != image[i]) std::abort();
    }
    return 0;
}
