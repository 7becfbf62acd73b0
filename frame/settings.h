#pragma once
// The user settings of a plug-in, kept in "pellan_tvp.ini" beside the plug-in file, one
// section per plug-in. Read once when the library is loaded; written when the configuration
// dialog ends with OK.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace pellan {

constexpr std::string_view kSettingsFileName = "pellan_tvp.ini";

// The private-profile file behind the settings. With an empty path reads give their default
// and writes do nothing.
class IniFile {
public:
    using BaseDirectory = std::string (*)();
    // A relative path (not a drive-letter path, a network path or, on Linux, an absolute one)
    // is taken relative to baseDirectory(); asGiven uses it unchanged.
    void SetPath(std::string_view path, bool asGiven, BaseDirectory baseDirectory);
    const std::string& Path() const { return path_; }

    std::int32_t ReadInt(std::string_view section, std::string_view key, std::int32_t fallback) const;
    std::int32_t ReadIntInRange(std::string_view section, std::string_view key, std::int32_t fallback,
                                std::int32_t min, std::int32_t max) const;
    void WriteInt(std::string_view section, std::string_view key, std::int32_t value) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    void WriteBool(std::string_view section, std::string_view key, bool value) const;

private:
    std::string path_;
};

// The values of one plug-in; each plug-in uses only its own keys.
struct PluginSettings {
    std::int32_t CommentBlt = 0;  // comment display: 0 whole, 1 first line, 2 line breaks as "/"
    std::int32_t NameBlt = 0;     // character-name notation
    bool ZeroDelete = false;      // delete zero-byte replays
};

enum class SettingKey { CommentBlt, NameBlt, ZeroDelete };

// One key of a plug-in's section, in the order in which it is read and written.
struct SettingSpec {
    SettingKey key;
    std::int32_t fallback;
    std::int32_t min;
    std::int32_t max;
};

struct SettingsSpec {
    std::string_view section;  // the plug-in's file name as delivered, e.g. "varesk.tvp"
    std::span<const SettingSpec> keys;
};

std::string_view SettingKeyName(SettingKey key);

// Builds the settings path from the plug-in's own file and reads its keys. baseDirectory
// places a settings path that is not a full path.
void LoadSettings(const SettingsSpec& settingsSpec, platform::ModuleHandle module, IniFile::BaseDirectory baseDirectory,
                  IniFile& ini, PluginSettings& settings);
// Reads the plug-in's keys, in its order; a missing key or a value out of range gives the default.
void ReadSettings(const SettingsSpec& settingsSpec, const IniFile& ini, PluginSettings& settings);
// Writes every key of the plug-in, changed or not.
void SaveSettings(const SettingsSpec& settingsSpec, const IniFile& ini, const PluginSettings& settings);

}  // namespace pellan
