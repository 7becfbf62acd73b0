#pragma once
// What one plug-in contributes to the shared frame: constants only. Each deliverable's
// plugins/<name>/plugin.cpp defines one descriptor; the exports are written once for all.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "frame/column_info.h"
#include "frame/comment_display.h"
#include "frame/info_row.h"
#include "frame/replay_number.h"
#include "frame/settings.h"
#include "userblock/replay_format.h"
#include "userblock/user_block_reader.h"
#include "util/byte_view.h"

namespace pellan {

enum class Family { NewGeneration, OldGeneration, Versus };

// The summary reader of a USER-block game: fills the row's summary columns from the summary
// block. Null until the game's reader exists; the row then carries number and comment only.
using SummaryColumnsFiller = void (*)(InfoRow& row, const FoundUserBlock& summary, const PluginSettings& settings);

struct UserBlockTraits {
    Generation generation;
    ReplayFormat format;
    ReplayNumberRule number;
    std::size_t commentSlot;
    SummaryColumnsFiller fillSummaryColumns;
};

// The record test of a versus game over the leading bytes of a file: 0 rejects, any other
// value accepts. Null until the game's record exists, so that nothing is accepted.
using RecordTest = int (*)(ByteView head, std::string_view fileName);

struct VersusTraits {
    RecordTest identify;
};

struct PluginDescriptor {
    std::string_view name;  // the deliverable's file name without ".tvp"
    Family family;
    std::int32_t revision;
    std::array<std::string_view, 4> info;  // about text, game title, file pattern, file-type description
    std::span<const ColumnSpec> columns;
    std::uint32_t identifyBytes;  // leading bytes that IsSupported reads and tests
    bool exportsFileInfoText2;
    bool usesHostDirectory;  // makes the host's directory current at load and bases relative settings paths on it
    SettingsSpec settings;
    const UserBlockTraits* userBlock;  // the six USER-block plug-ins
    const VersusTraits* versus;        // Skarn, sundrel
};

// The descriptor of the plug-in this library is built for.
const PluginDescriptor& ThisPlugin();

}  // namespace pellan
