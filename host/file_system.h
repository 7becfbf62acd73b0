#pragma once
// What tvphost needs of the file system, through the narrow (ANSI on Windows) calls so that
// paths reach the plug-ins exactly as the host program would pass them.
#include <cstdint>
#include <string>
#include <vector>

namespace pellan::host {

struct FileFacts {
    bool exists = false;
    bool isDirectory = false;
    std::uint64_t size = 0;
    std::string lastWrite;  // "YYYY/MM/DD hh:mm:ss", local time
};

FileFacts FactsOf(const std::string& path);
// The files (not folders) directly inside a folder, full paths, sorted by name.
std::vector<std::string> FilesIn(const std::string& folder);
std::string AbsolutePath(const std::string& path);
std::string BaseName(const std::string& path);
std::string ParentFolder(const std::string& path);
// The folder that holds the running program.
std::string ProgramFolder();

}  // namespace pellan::host
