#pragma once
// What one plug-in contributes to the shared frame: constants only. Each deliverable's
// plugins/<name>/plugin.cpp defines one descriptor; the exports are written once for all.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "frame/column_info.h"
#include "frame/comment_display.h"
#include "frame/dialogs/config_dialog.h"
#include "frame/info_row.h"
#include "frame/replay_number.h"
#include "frame/settings.h"
#include "userblock/replay_format.h"
#include "userblock/summary_values.h"
#include "userblock/user_block_reader.h"
#include "util/byte_view.h"

namespace pellan {

// The summary reader of a USER-block game: the row values it reads from the summary block,
// given the game's table of keys. Null until the game's reader exists; the row then carries
// the replay number and the comment only.
using SummaryReader = void (*)(const FoundUserBlock& summary, const PluginSettings& settings,
                               std::span<const SummaryKey> keys, SlotValues& row);

struct UserBlockTraits {
    Generation generation;
    ReplayFormat format;
    ReplayNumberRule number;
    std::size_t commentSlot;
    SummaryReader readSummary;
    std::span<const SummaryKey> summaryKeys;
};

// The record test of a versus game over the leading bytes of a file: 0 rejects, any other
// value accepts. Null until the game's record exists, so that nothing is accepted.
using RecordTest = int (*)(ByteView head, std::string_view fileName);

struct VersusTraits {
    RecordTest identify;
};

struct PluginDescriptor {
    std::int32_t revision;
    std::array<std::string_view, 4> info;  // about text, game title, file pattern, file-type description
    std::span<const ColumnSpec> columns;
    std::uint32_t identifyBytes;  // leading bytes that IsSupported reads and tests
    bool usesHostDirectory;  // makes the host's directory current at load and bases relative settings paths on it
    SettingsSpec settings;
    const UserBlockTraits* userBlock;  // the six USER-block plug-ins
    const VersusTraits* versus;        // Skarn, sundrel
    DialogSpec dialogs;
};

// The descriptor of the plug-in this library is built for.
const PluginDescriptor& ThisPlugin();

}  // namespace pellan
