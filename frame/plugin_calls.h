#pragma once
// The behaviour behind the exports, for any descriptor. The exported functions only pass
// their arguments on with this library's descriptor and state; tests call these directly.
#include <cstdint>

#include "frame/plugin_descriptor.h"
#include "frame/settings.h"

namespace pellan {

// Status codes of the exports.
enum Status : std::int32_t {
    kDone = 0,
    kNotSupported = 1,  // not this plug-in's file, or the wanted text is missing
    kCannotRead = 2,
    kSaveFailed = 3,
    kNoMemory = 4,
    kCancelled = 6,
};

// The value DialogBoxParamA gives when no dialog can be created.
constexpr std::int32_t kDialogFailed = platform::kNoDialog;

enum class DataKind { Row, Text1, Text2 };

std::int32_t PluginInfo(const PluginDescriptor& plugin, std::int32_t index, char* buffer, std::uint32_t size);
std::int32_t ColumnTable(const PluginDescriptor& plugin, char** out);
std::int32_t Supports(const PluginDescriptor& plugin, const void* source, std::uint32_t size);
std::int32_t FileData(const PluginDescriptor& plugin, const PluginSettings& settings, DataKind kind,
                      const void* source, std::uint32_t size, char** out);

}  // namespace pellan
