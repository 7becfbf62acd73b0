#include "util/file_read.h"

#include <cstdio>
#include <memory>

#include "platform/platform.h"

namespace pellan {

bool ReadWholeFile(const std::string& path, Bytes& out, std::uint32_t limit, bool strict) {
    std::uint32_t n = platform::FileSize32(path);
    if (n == 0) return false;
    if (limit > 0) {
        if (n < limit && strict) return false;
        if (n >= limit) n = limit;
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return false;
    Bytes bytes;
    try {
        bytes.resize(n);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (std::fread(bytes.data(), 1, n, file.get()) != n) return false;
    out.swap(bytes);
    return true;
}

}  // namespace pellan
