#include "host/plugin_listing.h"

#include <cstring>

#include "host/file_system.h"
#include "host/text_encoding.h"

namespace pellan::host {

namespace {

constexpr std::size_t kColumnRecordSize = 128;
constexpr std::size_t kLabelSize = 116;
constexpr std::size_t kSlotSize = 512;

std::int32_t IntAt(const char* at) {
    std::int32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

std::string HostCell(std::int32_t hostColumn, const std::string& path) {
    switch (hostColumn) {
        case 2: return PathToUtf8(ParentFolder(path));
        case 3: return PathToUtf8(BaseName(path));
        case 7: return FactsOf(path).lastWrite;
        case 8: return std::to_string(FactsOf(path).size);
        default: return {};
    }
}

DetailsText Details(GetFileInfoFn export_, const std::string& path) {
    DetailsText details;
    if (!export_) return details;
    char* raw = nullptr;
    details.status = export_(path.c_str(), 0, &raw);
    HostBuffer buffer(raw);
    if (details.status == 0 && buffer) details.text = ShiftJisToUtf8(buffer.get());
    return details;
}

}  // namespace

std::optional<PluginDescription> Describe(PluginLibrary& plugin, const std::string& file, std::string& error) {
    if (!plugin.GetPluginRevision || !plugin.GetPluginInfo || !plugin.GetColumnInfo || !plugin.IsSupported ||
        !plugin.GetFileInfoList || !plugin.GetFileInfoText1) {
        error = "does not export the functions of a plug-in";
        return std::nullopt;
    }
    PluginDescription description;
    description.file = BaseName(file);
    description.revision = plugin.GetPluginRevision();
    for (int i = 0; i < 4; ++i) {
        std::int32_t length = plugin.GetPluginInfo(i, nullptr, 0);
        std::string text(std::size_t(length > 0 ? length : 0) + 1, '\0');
        plugin.GetPluginInfo(i, text.data(), std::uint32_t(text.size()));
        description.info[i] = ShiftJisToUtf8(text.c_str());
    }
    char* raw = nullptr;
    std::int32_t status = plugin.GetColumnInfo(&raw);
    HostBuffer table(raw);
    if (status != 0 || !table) {
        error = "GetColumnInfo failed with " + std::to_string(status);
        return std::nullopt;
    }
    for (const char* record = table.get(); record[0] != '\0'; record += kColumnRecordSize) {
        Column column;
        column.label = ShiftJisToUtf8(std::string(record, strnlen(record, kLabelSize)));
        column.alignRight = IntAt(record + 116);
        column.numberKind = IntAt(record + 120);
        column.hostColumn = IntAt(record + 124);
        description.columns.push_back(column);
    }
    description.hasText2 = plugin.GetFileInfoText2 != nullptr;
    return description;
}

bool Accepts(PluginLibrary& plugin, const std::string& path) { return plugin.IsSupported(path.c_str(), 0) != 0; }

ListedFile ListFile(PluginLibrary& plugin, const PluginDescription& description, const std::string& path) {
    ListedFile listed;
    listed.path = path;
    char* raw = nullptr;
    listed.status = plugin.GetFileInfoList(path.c_str(), 0, &raw);
    HostBuffer row(raw);
    for (std::size_t i = 0; i < description.columns.size(); ++i) {
        const Column& column = description.columns[i];
        if (column.hostColumn != 0) {
            listed.cells.push_back(HostCell(column.hostColumn, path));
        } else if (listed.status == 0 && row) {
            const char* slot = row.get() + i * kSlotSize;
            listed.cells.push_back(ShiftJisToUtf8(std::string(slot, strnlen(slot, kSlotSize))));
        } else {
            listed.cells.emplace_back();
        }
    }
    listed.text1 = Details(plugin.GetFileInfoText1, path);
    listed.text2 = Details(plugin.GetFileInfoText2, path);
    return listed;
}

}  // namespace pellan::host
