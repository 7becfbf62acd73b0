#include "test_support.h"

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PELLAN_UNIT_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define PELLAN_UNIT_ASAN 1
#endif
#ifdef PELLAN_UNIT_ASAN
// Part of the sanitizer runtime's allocator interface (declared here: not every compiler ships
// the header): the size that was asked for when the block was allocated.
extern "C" std::size_t __sanitizer_get_allocated_size(const volatile void* pointer);
#endif

namespace pellan::testing {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pellan-unit-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(std::string_view name, const Bytes& bytes) const {
    std::string path = File(name);
    WriteFile(path, bytes);
    return path;
}

std::vector<std::string> TempDir::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteFile(const std::string& path, std::string_view text) { WriteFile(path, BytesOf(text)); }

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadText(const std::string& path) {
    Bytes bytes = ReadFile(path);
    return std::string(bytes.begin(), bytes.end());
}

Bytes BytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

std::size_t AllocatedSize(const void* buffer) {
#ifdef PELLAN_UNIT_ASAN
    return __sanitizer_get_allocated_size(buffer);
#else
    return ::malloc_usable_size(const_cast<void*>(buffer));
#endif
}

bool AllocationIsExact() {
#ifdef PELLAN_UNIT_ASAN
    return true;
#else
    return false;
#endif
}

::testing::AssertionResult HasHostBufferSize(const void* buffer, std::size_t expected) {
    if (buffer == nullptr) return ::testing::AssertionFailure() << "no buffer";
    std::size_t size = AllocatedSize(buffer);
    // glibc rounds a chunk up to 16 bytes and may hand out a free chunk up to 31 bytes larger
    // rather than split it, so only the sanitizer build sees the exact size.
    bool fits = AllocationIsExact() ? size == expected : size >= expected && size < std::max<std::size_t>(expected, 24) + 48;
    if (fits) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "buffer of " << size << " bytes, expected " << expected;
}

}  // namespace pellan::testing
