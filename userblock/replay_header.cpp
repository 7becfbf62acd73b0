#include "userblock/replay_header.h"

#include <cstring>

#include "util/path.h"

namespace pellan {

bool CheckReplayHeader(ByteView image, std::string_view fileName, std::string_view magic) {
    if (image.size() < 4 || magic.size() != 4) return false;
    if (!fileName.empty() && !EqualsIgnoringCase(ExtensionPart(fileName), kReplayExtension)) return false;
    return std::memcmp(image.data(), magic.data(), 4) == 0;
}

}  // namespace pellan
