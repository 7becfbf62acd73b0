#pragma once
// The process-wide state of a loaded plug-in: set while the library is attached, read by every
// call, changed only by the configuration dialog.
#include "frame/plugin_descriptor.h"
#include "frame/settings.h"
#include "platform/dialog_box.h"
#include "platform/platform.h"

namespace pellan {

struct PluginState {
    platform::ModuleHandle module = nullptr;
    IniFile ini;
    PluginSettings settings;
    // The comment editor's font (USER-block plug-ins), made once at load and never deleted.
    platform::FontHandle editorFont = nullptr;
};

PluginState& State();

// Runs once when the library is attached to the process: the host's directory becomes the
// current directory (where the plug-in does that), the comment editor's font is made (USER-block
// plug-ins), the module handle is kept, and the settings are read.
void AttachPlugin(const PluginDescriptor& plugin, platform::ModuleHandle module);

}  // namespace pellan
