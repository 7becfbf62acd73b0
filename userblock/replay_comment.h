#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "userblock/replay_format.h"
#include "util/byte_view.h"

namespace pellan {

// The comment of the replay at path: false when the file cannot be read, is not a replay of
// this game (size, extension, magic) or has no comment block.
bool LoadReplayComment(const std::string& path, const ReplayFormat& format, std::string& comment);

// The replay image with its USER blocks rewritten: the unchanged prefix up to the USER offset
// (with the block count at offset 7), the first summary block, and a comment block when the
// comment is not empty; every other block is dropped. Nothing when the image is not a replay
// of this game or its USER offset lies inside the header or beyond the end of the image (a
// comment written there would be found by no reader, or would cut the header).
std::optional<Bytes> RewriteReplayComment(ByteView image, const ReplayFormat& format, std::string_view comment);

// Rewrites the replay at path with the new comment. The file is read afresh, the new image is
// built in memory, and the replay is replaced in one step only after it was found writable;
// on false the file keeps every byte.
bool SaveReplayComment(const std::string& path, const ReplayFormat& format, std::string_view comment);

}  // namespace pellan
