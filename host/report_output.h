#pragma once
// Prints what tvphost learned: a table per plug-in as the host program shows it, or CSV or
// JSON for scripts. All texts are UTF-8.
#include <cstdio>
#include <string>
#include <vector>

#include "host/plugin_listing.h"

namespace pellan::host {

enum class Format { Table, Csv, Json };

struct PluginReport {
    PluginDescription description;
    std::vector<ListedFile> files;
};

// Without replay paths: each plug-in's revision, information strings and columns.
void PrintDescriptions(Format format, const std::vector<PluginReport>& reports, std::FILE* out);
// With replay paths: one table of rows per plug-in; with details, each file's two details texts.
void PrintListings(Format format, const std::vector<PluginReport>& reports, bool details, std::FILE* out);

}  // namespace pellan::host
