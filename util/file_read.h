#pragma once
#include <cstdint>
#include <string>

#include "util/byte_view.h"

namespace pellan {

// Reads a file into out. limit 0 reads the whole file; otherwise at most limit bytes, and with
// strict a file shorter than limit fails. A missing file, a directory, an empty or unopenable
// file fails, and so does a read that returns fewer bytes than the file had: a short read is
// never a zero-filled image. On failure out is unchanged.
bool ReadWholeFile(const std::string& path, Bytes& out, std::uint32_t limit = 0, bool strict = false);

}  // namespace pellan
