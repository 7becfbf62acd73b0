#pragma once
// The two dialog exports for any descriptor: each builds the dialog's logic and shows the
// plug-in's template through the platform's dialog runner.
#include <cstdint>

#include "frame/plugin_descriptor.h"
#include "frame/plugin_state.h"

namespace pellan {

// 0 after OK (the settings are stored and in effect), 6 after Cancel or the close box, or the
// failure value of the dialog call when no dialog can be created.
std::int32_t OpenConfigDialog(const PluginDescriptor& plugin, PluginState& state, void* owner);

// USER-block plug-ins: the comment editor; 0 saved, 6 cancelled, closed or not saved. The
// versus plug-ins have no edit dialog yet and give the failure value.
std::int32_t OpenEditDialog(const PluginDescriptor& plugin, const PluginState& state, void* owner, const char* path);

}  // namespace pellan
