#include "frame/settings.h"

#include <cstdio>

#include "util/path.h"

namespace pellan {

void IniFile::SetPath(std::string_view path, bool asGiven, BaseDirectory baseDirectory) {
    if (asGiven || platform::IsFullPath(path) || baseDirectory == nullptr) {
        path_ = std::string(path);
        return;
    }
    path_ = baseDirectory() + platform::kPathSeparator + std::string(path);
}

std::int32_t IniFile::ReadInt(std::string_view section, std::string_view key, std::int32_t fallback) const {
    if (path_.empty()) return fallback;
    return platform::ReadProfileInt(std::string(section), std::string(key), fallback, path_);
}

std::int32_t IniFile::ReadIntInRange(std::string_view section, std::string_view key, std::int32_t fallback,
                                     std::int32_t min, std::int32_t max) const {
    std::int32_t value = ReadInt(section, key, fallback);
    return value >= min && value <= max ? value : fallback;
}

void IniFile::WriteInt(std::string_view section, std::string_view key, std::int32_t value) const {
    if (path_.empty()) return;
    char text[16];
    std::snprintf(text, sizeof text, "%d", int(value));
    // A settings file that cannot be written keeps the new values in memory only.
    platform::WriteProfileValue(std::string(section), std::string(key), text, path_);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInt(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) const {
    WriteInt(section, key, value ? 1 : 0);
}

std::string_view SettingKeyName(SettingKey key) {
    switch (key) {
        case SettingKey::CommentBlt: return "CommentBlt";
        case SettingKey::NameBlt: return "NameBlt";
        case SettingKey::ZeroDelete: return "ZeroDelete";
    }
    return {};
}

void LoadSettings(const SettingsSpec& settingsSpec, platform::ModuleHandle module, IniFile::BaseDirectory baseDirectory,
                  IniFile& ini, PluginSettings& settings) {
    std::string path = DirectoryPart(platform::ModulePath(module)) + platform::kPathSeparator + std::string(kSettingsFileName);
    ini.SetPath(path, false, baseDirectory);
    ReadSettings(settingsSpec, ini, settings);
}

void ReadSettings(const SettingsSpec& settingsSpec, const IniFile& ini, PluginSettings& settings) {
    for (const SettingSpec& key : settingsSpec.keys) {
        std::string_view name = SettingKeyName(key.key);
        switch (key.key) {
            case SettingKey::CommentBlt:
                settings.CommentBlt = ini.ReadIntInRange(settingsSpec.section, name, key.fallback, key.min, key.max);
                break;
            case SettingKey::NameBlt:
                settings.NameBlt = ini.ReadIntInRange(settingsSpec.section, name, key.fallback, key.min, key.max);
                break;
            case SettingKey::ZeroDelete: settings.ZeroDelete = ini.ReadBool(settingsSpec.section, name, key.fallback != 0); break;
        }
    }
}

void SaveSettings(const SettingsSpec& settingsSpec, const IniFile& ini, const PluginSettings& settings) {
    for (const SettingSpec& key : settingsSpec.keys) {
        std::string_view name = SettingKeyName(key.key);
        switch (key.key) {
            case SettingKey::CommentBlt: ini.WriteInt(settingsSpec.section, name, settings.CommentBlt); break;
            case SettingKey::NameBlt: ini.WriteInt(settingsSpec.section, name, settings.NameBlt); break;
            case SettingKey::ZeroDelete: ini.WriteBool(settingsSpec.section, name, settings.ZeroDelete); break;
        }
    }
}

}  // namespace pellan
