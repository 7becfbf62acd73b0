#pragma once
// A byte-exact record of every answer a plug-in gives for a set of files, in the path form
// and the memory form, so that two builds of the same plug-in can be compared line by line.
// Only file names appear (not folders), so records made on Windows and Linux agree.
#include <cstdio>
#include <string>
#include <vector>

#include "host/plugin_library.h"
#include "host/plugin_listing.h"

namespace pellan::host {

void Probe(PluginLibrary& plugin, const PluginDescription& description, const std::vector<std::string>& files,
           std::FILE* out);

}  // namespace pellan::host
