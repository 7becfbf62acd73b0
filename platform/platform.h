#pragma once
// The only interface to the operating system. platform/win32 implements it with the Win32
// API (the deliverables); platform/posix with POSIX calls (Linux shared objects, tests, host).
#include <cstdint>
#include <string>
#include <string_view>

#include "util/byte_view.h"

namespace pellan::platform {

using ModuleHandle = void*;

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// Buffers handed to the host: zero-filled, owned by the host from then on (LocalAlloc with
// LMEM_ZEROINIT on Windows, calloc on Linux). Null when no memory is left.
char* AllocateHostBuffer(std::size_t size);

// Index of the next character of a path. Windows paths are ANSI (Shift-JIS on a Japanese
// system) and step by Shift-JIS characters; Linux paths are UTF-8, whose multi-byte sequences
// never contain an ASCII byte, so they step byte by byte and no '/' is ever swallowed.
std::size_t NextPathChar(std::string_view path, std::size_t i);
bool IsPathSeparator(char c);
// A path that names its location fully (drive letter and backslash, or a network share, on
// Windows; a leading '/' on Linux).
bool IsFullPath(std::string_view path);

// Size of a regular file that can be opened for reading; 0 for a missing file, a directory,
// an unopenable or empty file, and a file of 4 GiB or more.
std::uint32_t FileSize32(const std::string& path);
bool DeleteFileAt(const std::string& path);

std::string ModulePath(ModuleHandle module);  // full path of the plug-in file itself
std::string HostExecutablePath();
std::string CurrentDirectory();
bool ChangeCurrentDirectory(const std::string& directory);

// Whether the file may be opened for writing now (not read-only, not locked); opens nothing
// for longer than the test and changes no byte.
bool CanOpenForWriting(const std::string& path);
// Writes bytes to a temporary file in the same folder, flushes it, and replaces path with it
// in one step. On failure the original keeps every byte and the temporary file is removed.
bool ReplaceFileContents(const std::string& path, ByteView bytes);

// Private-profile settings: sections and keys compared without regard to case.
// ReadProfileInt gives the leading number of the value, or fallback when the file, section
// or key is missing or the value is empty. WriteProfileValue creates what is missing and
// keeps every other section and key.
int ReadProfileInt(const std::string& section, const std::string& key, int fallback, const std::string& path);
bool WriteProfileValue(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path);

}  // namespace pellan::platform
