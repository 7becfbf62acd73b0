#include "frame/plugin_calls.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "frame/user_block_worker.h"
#include "platform/platform.h"
#include "userblock/replay_header.h"
#include "util/file_read.h"

namespace pellan {

namespace {

std::int32_t Identify(const PluginDescriptor& plugin, ByteView head, std::string_view fileName) {
    if (plugin.userBlock) return CheckReplayHeader(head, fileName, plugin.userBlock->format.magic) ? 1 : 0;
    if (plugin.versus && plugin.versus->identify) return plugin.versus->identify(head, fileName);
    return 0;
}

std::int32_t Work(const PluginDescriptor& plugin, const PluginSettings& settings, DataKind kind, ByteView image,
                  std::string_view fileName, char** out) {
    if (!plugin.userBlock) return kNotSupported;  // the versus records come with their readers
    switch (kind) {
        case DataKind::Row: return FillUserBlockRow(plugin, settings, image, fileName, out);
        case DataKind::Text1: return GetSummaryText(plugin, 1, image, out);
        case DataKind::Text2: return GetSummaryText(plugin, 2, image, out);
    }
    return kNotSupported;
}

}  // namespace

std::int32_t PluginInfo(const PluginDescriptor& plugin, std::int32_t index, char* buffer, std::uint32_t size) {
    if (index < 0 || index > 3) return 0;
    std::string_view text = plugin.info[std::size_t(index)];
    std::int32_t length = std::int32_t(text.size());
    if (buffer == nullptr) return length;
    if (size <= text.size()) return 0;
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return length;
}

std::int32_t ColumnTable(const PluginDescriptor& plugin, char** out) {
    if (out == nullptr) return kNoMemory;
    std::size_t records = plugin.columns.size() + 1;
    char* buffer = platform::AllocateHostBuffer(records * sizeof(ColumnInfo));
    *out = buffer;
    if (buffer == nullptr) return kNoMemory;
    auto* table = reinterpret_cast<ColumnInfo*>(buffer);
    for (std::size_t i = 0; i < plugin.columns.size(); ++i) {
        const ColumnSpec& column = plugin.columns[i];
        std::memcpy(table[i].label, column.label.data(), std::min(column.label.size(), sizeof table[i].label - 1));
        table[i].alignRight = column.alignRight;
        table[i].numberKind = column.numberKind;
        table[i].hostColumn = column.hostColumn;
    }
    return kDone;
}

std::int32_t Supports(const PluginDescriptor& plugin, const void* source, std::uint32_t size) {
    if (source == nullptr) return std::int32_t(plugin.identifyBytes);
    if (size != 0) return Identify(plugin, ByteView(static_cast<const std::uint8_t*>(source), size), {});
    // Only the leading bytes are read here, so that a data export reads the replay once.
    std::string path(static_cast<const char*>(source));
    Bytes head;
    if (!ReadWholeFile(path, head, plugin.identifyBytes, true)) return 0;
    return Identify(plugin, ViewOf(head), path);
}

std::int32_t FileData(const PluginDescriptor& plugin, const PluginSettings& settings, DataKind kind,
                      const void* source, std::uint32_t size, char** out) {
    if (Supports(plugin, source, size) == 0) return kNotSupported;
    if (source == nullptr) return kCannotRead;
    if (out == nullptr) return kNoMemory;  // nowhere to deliver a buffer
    if (size != 0) return Work(plugin, settings, kind, ByteView(static_cast<const std::uint8_t*>(source), size), {}, out);
    std::string path(static_cast<const char*>(source));
    Bytes image;
    if (!ReadWholeFile(path, image)) return kCannotRead;
    return Work(plugin, settings, kind, ViewOf(image), path, out);
}

}  // namespace pellan
