#include "frame/dialogs/dialog_calls.h"

#include "frame/dialogs/comment_editor.h"
#include "frame/dialogs/config_dialog.h"

namespace pellan {

std::int32_t OpenConfigDialog(const PluginDescriptor& plugin, PluginState& state, void* owner) {
    ConfigDialog dialog(plugin.dialogs.choices, plugin.settings, state.ini, state.settings);
    return platform::RunModalDialog(state.module, plugin.dialogs.configTemplate, owner, dialog);
}

std::int32_t OpenEditDialog(const PluginDescriptor& plugin, const PluginState& state, void* owner, const char* path) {
    if (plugin.userBlock == nullptr || plugin.dialogs.editTemplate == 0) return platform::kNoDialog;
    CommentEditor editor(path ? path : "", plugin.userBlock->format, state.editorFont);
    return platform::RunModalDialog(state.module, plugin.dialogs.editTemplate, owner, editor);
}

}  // namespace pellan
