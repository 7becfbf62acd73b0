#pragma once
// The row and details workers of the six USER-block plug-ins.
#include <cstdint>
#include <string_view>

#include "frame/plugin_descriptor.h"

namespace pellan {

// Allocates the row and fills the replay number (path form only), the summary columns of the
// game's reader and the comment slot. 0 as soon as the row exists; 4 without memory.
std::int32_t FillUserBlockRow(const PluginDescriptor& plugin, const PluginSettings& settings, ByteView image,
                              std::string_view fileName, char** out);

// The raw summary (which 1) or comment (which 2): 0 with a new buffer, 1 when the block is
// missing, 4 without memory. Summary buffers have 10240 spare bytes; comment buffers hold the
// text and its NUL (new generation) or the block's body and NUL (old generation).
std::int32_t GetSummaryText(const PluginDescriptor& plugin, int which, ByteView image, char** out);

}  // namespace pellan
