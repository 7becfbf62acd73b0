#pragma once
// What tvphost asks of a loaded plug-in: its description, and for each replay file it accepts
// the row and the two details texts, all converted to UTF-8 for printing.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/plugin_library.h"

namespace pellan::host {

struct Column {
    std::string label;  // UTF-8
    std::int32_t alignRight = 0, numberKind = 0, hostColumn = 0;
};

struct PluginDescription {
    std::string file;  // the plug-in file's name
    std::int32_t revision = 0;
    std::string info[4];  // UTF-8
    std::vector<Column> columns;
    bool hasText2 = false;
};

struct DetailsText {
    std::int32_t status = -1;  // -1: the plug-in has no such export
    std::string text;          // UTF-8
};

struct ListedFile {
    std::string path;
    std::int32_t status = 0;         // of GetFileInfoList
    std::vector<std::string> cells;  // UTF-8, host columns filled by tvphost
    DetailsText text1, text2;
};

// The description, or an error message when an export is missing or fails.
std::optional<PluginDescription> Describe(PluginLibrary& plugin, const std::string& file, std::string& error);
bool Accepts(PluginLibrary& plugin, const std::string& path);
ListedFile ListFile(PluginLibrary& plugin, const PluginDescription& description, const std::string& path);

}  // namespace pellan::host
