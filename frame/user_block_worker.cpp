#include "frame/user_block_worker.h"

#include <cstring>

#include "frame/plugin_calls.h"
#include "platform/platform.h"
#include "util/bounded_text.h"

namespace pellan {

namespace {
constexpr std::uint32_t kSummarySpareBytes = 10240;
}

std::int32_t FillUserBlockRow(const PluginDescriptor& plugin, const PluginSettings& settings, ByteView image,
                              std::string_view fileName, char** out) {
    const UserBlockTraits& traits = *plugin.userBlock;
    char* buffer = platform::AllocateHostBuffer(plugin.columns.size() * kSlotSize);
    *out = buffer;
    if (buffer == nullptr) return kNoMemory;
    InfoRow row(buffer, plugin.columns.size());

    if (!fileName.empty()) row.Set(2, ReplayNumberText(fileName, traits.number));
    if (traits.readSummary) {
        if (auto summary = FindUserBlock(image, traits.format.magic, BlockType::Summary)) {
            SlotValues values;
            traits.readSummary(*summary, settings, traits.summaryKeys, values);
            for (const auto& [slot, value] : values) row.Set(slot, value);
        }
    }
    if (auto comment = FindUserBlock(image, traits.format.magic, BlockType::Comment)) {
        std::string shown = CommentDisplayText(comment->Text(), settings.CommentBlt, traits.generation);
        row.Set(traits.commentSlot, CutCommentToSlot(shown));
    }
    return kDone;
}

std::int32_t GetSummaryText(const PluginDescriptor& plugin, int which, ByteView image, char** out) {
    const UserBlockTraits& traits = *plugin.userBlock;
    BlockType type = which == 1 ? BlockType::Summary : BlockType::Comment;
    auto block = FindUserBlock(image, traits.format.magic, type);
    if (!block) return kNotSupported;
    std::string_view text = block->Text();
    std::size_t size = type == BlockType::Summary          ? text.size() + kSummarySpareBytes
                       : traits.generation == Generation::New ? text.size() + 1
                                                             : block->HeldSize();
    char* buffer = platform::AllocateHostBuffer(size);
    *out = buffer;
    if (buffer == nullptr) return kNoMemory;
    std::memcpy(buffer, text.data(), text.size());  // every size above holds the text and its NUL
    return kDone;
}

}  // namespace pellan
