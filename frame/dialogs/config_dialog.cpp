#include "frame/dialogs/config_dialog.h"

#include "frame/plugin_calls.h"

namespace pellan {

namespace {

std::int32_t ValueOf(const PluginSettings& settings, SettingKey key) {
    switch (key) {
        case SettingKey::CommentBlt: return settings.CommentBlt;
        case SettingKey::NameBlt: return settings.NameBlt;
        case SettingKey::ZeroDelete: return settings.ZeroDelete ? 1 : 0;
    }
    return 0;
}

void Store(PluginSettings& settings, SettingKey key, std::int32_t value) {
    switch (key) {
        case SettingKey::CommentBlt: settings.CommentBlt = value; break;
        case SettingKey::NameBlt: settings.NameBlt = value; break;
        case SettingKey::ZeroDelete: settings.ZeroDelete = value != 0; break;
    }
}

// A group of radio buttons gives the position of the first checked one, the last position
// when none of the others is checked; a check box gives 1 when checked.
std::int32_t ChosenValue(const DialogView& view, const SettingChoice& choice) {
    std::size_t count = choice.Count();
    if (count == 1) return view.IsChecked(choice.items[0]) ? 1 : 0;
    for (std::size_t i = 0; i + 1 < count; ++i)
        if (view.IsChecked(choice.items[i])) return std::int32_t(i);
    return std::int32_t(count - 1);
}

}  // namespace

std::size_t SettingChoice::Count() const {
    std::size_t count = 0;
    while (count < items.size() && items[count] != 0) ++count;
    return count;
}

void ConfigDialog::OnInit(DialogView& view) {
    for (const SettingChoice& choice : choices_) {
        std::int32_t value = ValueOf(settings_, choice.key);
        std::size_t count = choice.Count();
        if (count == 1) {
            if (value != 0) view.SetChecked(choice.items[0], true);
        } else if (value >= 0 && std::size_t(value) < count) {
            view.SetChecked(choice.items[std::size_t(value)], true);
        }
    }
}

bool ConfigDialog::OnCommand(DialogView& view, int item, int) {
    if (item == kOkCommand) {
        PluginSettings chosen = settings_;
        for (const SettingChoice& choice : choices_) Store(chosen, choice.key, ChosenValue(view, choice));
        settings_ = chosen;
        SaveSettings(settingsSpec_, ini_, settings_);
        view.End(kDone);
        return true;
    }
    if (item == kCancelCommand) {
        view.End(kCancelled);
        return true;
    }
    return false;
}

void ConfigDialog::OnClose(DialogView& view) { view.End(kCancelled); }

}  // namespace pellan
