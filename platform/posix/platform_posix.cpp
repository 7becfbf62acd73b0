// Linux backend of the platform layer: the same observable rules as the Win32 backend.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/platform.h"
#include "platform/posix/profile_text.h"
#include "util/path.h"

namespace pellan::platform {

char* AllocateHostBuffer(std::size_t size) { return static_cast<char*>(std::calloc(size ? size : 1, 1)); }

std::size_t NextPathChar(std::string_view path, std::size_t i) {
    if (i >= path.size() || path[i] == '\0') return i;
    return i + 1;
}

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

bool IsFullPath(std::string_view path) { return !path.empty() && path.front() == '/'; }

std::uint32_t FileSize32(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    ::close(fd);
    if (st.st_size <= 0 || std::uint64_t(st.st_size) >= 0xFFFFFFFFull) return 0;
    return std::uint32_t(st.st_size);
}

bool DeleteFileAt(const std::string& path) { return ::unlink(path.c_str()) == 0; }

std::string ModulePath(ModuleHandle module) {
    Dl_info info{};
    // The handle is an address inside the plug-in (see LibraryEntry); dladdr names its file.
    if (module && ::dladdr(module, &info) && info.dli_fname) {
        char full[PATH_MAX];
        if (::realpath(info.dli_fname, full)) return full;
        return info.dli_fname;
    }
    return {};
}

std::string HostExecutablePath() {
    char buffer[PATH_MAX] = {};
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, std::size_t(n)) : std::string();
}

std::string CurrentDirectory() {
    char buffer[PATH_MAX] = {};
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

bool ChangeCurrentDirectory(const std::string& directory) { return ::chdir(directory.c_str()) == 0; }

bool CanOpenForWriting(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    // A file without any write permission is read-only, as the Windows attribute is, also for
    // root, whom the kernel would let write it.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);  // no O_TRUNC: nothing changes
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

namespace {

bool WriteAll(int fd, ByteView bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, ByteView bytes) {
    // The temporary file lies in the replay's own folder, so the rename cannot cross devices.
    std::string temp = path.substr(0, path.size() - FileNamePart(path).size()) + ".pellan-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);  // keep the replay's mode
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
}

namespace {
bool ReadTextFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}
}  // namespace

int ReadProfileInt(const std::string& section, const std::string& key, int fallback, const std::string& path) {
    std::string text;
    if (!ReadTextFile(path, text)) return fallback;
    auto value = FindProfileValue(text, section, key);
    if (!value || value->empty()) return fallback;
    return LeadingProfileNumber(*value);
}

bool WriteProfileValue(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path) {
    std::string text;
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && !ReadTextFile(path, text)) return false;
    std::string updated = SetProfileValue(text, section, key, value);
    return ReplaceFileContents(path, ViewOf(updated));
}

}  // namespace pellan::platform
