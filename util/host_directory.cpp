#include "util/host_directory.h"

#include "platform/platform.h"
#include "util/path.h"

namespace pellan {

const std::string& HostDirectory() {
    static const std::string directory = DirectoryPart(platform::HostExecutablePath());
    if (!directory.empty()) platform::ChangeCurrentDirectory(directory);
    return directory;
}

}  // namespace pellan
