#pragma once
// The process-wide state of a loaded plug-in: set while the library is attached, read by every
// call, changed only by the configuration dialog.
#include "frame/plugin_descriptor.h"
#include "frame/settings.h"
#include "platform/platform.h"

namespace pellan {

struct PluginState {
    platform::ModuleHandle module = nullptr;
    IniFile ini;
    PluginSettings settings;
};

PluginState& State();

// Runs once when the library is attached to the process: the host's directory becomes the
// current directory (where the plug-in does that), the module handle is kept, and the settings
// are read.
void AttachPlugin(const PluginDescriptor& plugin, platform::ModuleHandle module);

}  // namespace pellan
