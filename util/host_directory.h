#pragma once
#include <string>

namespace pellan {

// The directory of the host executable, found once per process; every call also makes it the
// process's current directory (several plug-ins do this while they are loaded).
const std::string& HostDirectory();

}  // namespace pellan
