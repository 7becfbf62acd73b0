#pragma once
#include <string_view>

#include "userblock/replay_format.h"
#include "util/byte_view.h"

namespace pellan {

// At least 4 bytes, the extension "rpy" (any letter case) when a file name is given, and the
// game's magic in the first four bytes. An empty file name skips the extension test.
bool CheckReplayHeader(ByteView image, std::string_view fileName, std::string_view magic);

}  // namespace pellan
