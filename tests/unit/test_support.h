#pragma once
// Helpers shared by the unit tests: a temporary folder per test, whole-file reads and writes,
// and the size of a buffer handed to the host.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace pellan::testing {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }
    // Writes bytes to a file of that name in the folder and gives its path.
    std::string Write(std::string_view name, const Bytes& bytes) const;
    // The names in the folder, sorted.
    std::vector<std::string> Names() const;

private:
    std::string path_;
};

void WriteFile(const std::string& path, const Bytes& bytes);
void WriteFile(const std::string& path, std::string_view text);
Bytes ReadFile(const std::string& path);
std::string ReadText(const std::string& path);
Bytes BytesOf(std::string_view text);

// The number of bytes the allocator reserved for a buffer from the host-buffer allocator.
// Under AddressSanitizer it is exactly the size asked for; otherwise the allocator's usable
// size, which is at least that and may be a few dozen bytes more.
std::size_t AllocatedSize(const void* buffer);
bool AllocationIsExact();
// Whether buffer was allocated with exactly expected bytes, as far as the allocator tells.
::testing::AssertionResult HasHostBufferSize(const void* buffer, std::size_t expected);

}  // namespace pellan::testing
