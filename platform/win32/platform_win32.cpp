// Win32 backend of the platform layer. Paths and texts are ANSI (code page 932).
#include <windows.h>

#include <string>

#include "platform/platform.h"
#include "util/path.h"
#include "util/sjis.h"

namespace pellan::platform {

char* AllocateHostBuffer(std::size_t size) {
    return static_cast<char*>(LocalAlloc(LMEM_ZEROINIT, size ? size : 1));
}

std::size_t NextPathChar(std::string_view path, std::size_t i) { return NextChar(path, i); }

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

bool IsFullPath(std::string_view path) {
    if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return true;
    // A plug-in loaded from a network share: prefixing it would give no usable path.
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

std::uint32_t FileSize32(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return 0;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD high = 0;
    DWORD low = GetFileSize(file, &high);
    CloseHandle(file);
    if (low == INVALID_FILE_SIZE || high != 0) return 0;
    return low;
}

bool DeleteFileAt(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::string ModulePath(ModuleHandle module) {
    char buffer[520] = {};
    DWORD n = GetModuleFileNameA(static_cast<HMODULE>(module), buffer, sizeof buffer - 1);
    return std::string(buffer, n);
}

std::string HostExecutablePath() { return ModulePath(nullptr); }

std::string CurrentDirectory() {
    char buffer[MAX_PATH + 1] = {};
    DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

bool ChangeCurrentDirectory(const std::string& directory) { return SetCurrentDirectoryA(directory.c_str()) != 0; }

bool CanOpenForWriting(const std::string& path) {
    // The read-only attribute decides even where the process could write the file anyway
    // (wine run by root maps it to missing write permissions, which root ignores).
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

bool ReplaceFileContents(const std::string& path, ByteView bytes) {
    // The temporary file lies in the replay's own folder, so the replace stays on one volume.
    const std::string folder = DirectoryPart(path);
    char temp[MAX_PATH + 1] = {};
    if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "tvp", 0, temp)) return false;
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    DWORD written = 0;
    if (ok && !bytes.empty()) ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    if (ok) ok = FlushFileBuffers(file) != 0;
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (ok) {
        ok = ReplaceFileA(path.c_str(), temp, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) ||
             MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    if (!ok) DeleteFileA(temp);
    return ok;
}

int ReadProfileInt(const std::string& section, const std::string& key, int fallback, const std::string& path) {
    return int(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path.c_str()));
}

bool WriteProfileValue(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
}

}  // namespace pellan::platform
