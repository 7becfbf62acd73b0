#pragma once
// The configuration dialog: one procedure for every plug-in, driven by the plug-in's table of
// choice controls. Each setting key is chosen by a group of radio buttons (the button at
// position v stands for the value v) or, for ZeroDelete, by one check box.
#include <array>
#include <cstdint>
#include <span>

#include "frame/dialogs/dialog_view.h"
#include "frame/settings.h"

namespace pellan {

// The controls that choose one setting: the radio buttons in value order, or the one check box.
// Unused places are 0.
struct SettingChoice {
    SettingKey key;
    std::array<std::int32_t, 3> items;

    std::size_t Count() const;
};

// What a plug-in's dialogs need: the template numbers and the controls of the configuration
// dialog. An edit template of 0: the plug-in has no edit dialog yet.
struct DialogSpec {
    std::int32_t configTemplate;  // 103 in the new generation, 101 in the others
    std::span<const SettingChoice> choices;
    std::int32_t editTemplate;
};

class ConfigDialog final : public DialogLogic {
public:
    // OK stores the chosen values in settings and writes the plug-in's keys through ini.
    ConfigDialog(std::span<const SettingChoice> choices, const SettingsSpec& settingsSpec, const IniFile& ini,
                 PluginSettings& settings)
        : choices_(choices), settingsSpec_(settingsSpec), ini_(ini), settings_(settings) {}

    void OnInit(DialogView& view) override;
    bool OnCommand(DialogView& view, int item, int notification) override;
    void OnClose(DialogView& view) override;

private:
    std::span<const SettingChoice> choices_;
    const SettingsSpec& settingsSpec_;
    const IniFile& ini_;
    PluginSettings& settings_;
};

}  // namespace pellan
