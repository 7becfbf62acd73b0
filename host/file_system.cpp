#include "host/file_system.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#endif
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace pellan::host {

namespace {
bool IsSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}
std::string FormatTime(const std::tm& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                  t.tm_min, t.tm_sec);
    return text;
}
}  // namespace

std::string BaseName(const std::string& path) {
    // Walked from the start so that a separator byte inside a double-byte character is skipped.
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
#ifdef _WIN32
        if (IsDBCSLeadByteEx(932, BYTE(path[i])) && i + 1 < path.size()) {
            ++i;
            continue;
        }
#endif
        if (IsSeparator(path[i])) start = i + 1;
    }
    return path.substr(start);
}

std::string ParentFolder(const std::string& path) {
    std::string name = BaseName(path);
    std::string parent = path.substr(0, path.size() - name.size());
    if (parent.size() > 1 && IsSeparator(parent.back())) parent.pop_back();
    return parent;
}

#ifdef _WIN32
FileFacts FactsOf(const std::string& path) {
    FileFacts facts;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return facts;
    facts.exists = true;
    facts.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    facts.size = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    FILETIME local;
    SYSTEMTIME st;
    if (FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) && FileTimeToSystemTime(&local, &st)) {
        std::tm t{};
        t.tm_year = st.wYear - 1900, t.tm_mon = st.wMonth - 1, t.tm_mday = st.wDay;
        t.tm_hour = st.wHour, t.tm_min = st.wMinute, t.tm_sec = st.wSecond;
        facts.lastWrite = FormatTime(t);
    }
    return facts;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(folder + "\\" + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(files.begin(), files.end());
    return files;
}

std::string AbsolutePath(const std::string& path) {
    char buffer[MAX_PATH * 2] = {};
    DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : path;
}

std::string ProgramFolder() {
    char buffer[MAX_PATH * 2] = {};
    DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return ParentFolder(std::string(buffer, n));
}
#else
FileFacts FactsOf(const std::string& path) {
    FileFacts facts;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return facts;
    facts.exists = true;
    facts.isDirectory = S_ISDIR(st.st_mode);
    facts.size = std::uint64_t(st.st_size);
    std::tm t{};
    if (localtime_r(&st.st_mtime, &t)) facts.lastWrite = FormatTime(t);
    return facts;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> files;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return files;
    while (dirent* entry = ::readdir(dir)) {
        std::string path = folder + "/" + entry->d_name;
        struct stat st;
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) files.push_back(path);
    }
    ::closedir(dir);
    std::sort(files.begin(), files.end());
    return files;
}

std::string AbsolutePath(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

std::string ProgramFolder() {
    char buffer[PATH_MAX] = {};
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? ParentFolder(std::string(buffer, std::size_t(n))) : std::string(".");
}
#endif

}  // namespace pellan::host
