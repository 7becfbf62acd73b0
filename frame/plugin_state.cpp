#include "frame/plugin_state.h"

#include "frame/dialogs/comment_editor.h"
#include "util/host_directory.h"

namespace pellan {

PluginState& State() {
    static PluginState state;
    return state;
}

namespace {
std::string HostDirectoryBase() { return HostDirectory(); }
std::string CurrentDirectoryBase() { return platform::CurrentDirectory(); }
}  // namespace

void AttachPlugin(const PluginDescriptor& plugin, platform::ModuleHandle module) {
    if (plugin.usesHostDirectory) HostDirectory();
    PluginState& state = State();
    if (plugin.userBlock != nullptr && state.editorFont == nullptr)
        state.editorFont = platform::CreateDialogFont(kCommentEditorFont);
    state.module = module;
    LoadSettings(plugin.settings, module, plugin.usesHostDirectory ? HostDirectoryBase : CurrentDirectoryBase, state.ini,
                 state.settings);
}

}  // namespace pellan
