#pragma once
// The column table that GetColumnInfo hands to the host: one 128-byte record per column and a
// terminating all-zero record.
#include <cstdint>
#include <string_view>

namespace pellan {

enum HostColumn : std::int32_t { kPluginFills = 0, kDirectory = 2, kFileName = 3, kLastWrite = 7, kFileSize = 8 };
enum NumberKind : std::int32_t { kText = 0, kWholeNumber = 1, kFraction = 2 };

struct ColumnInfo {
    char label[116];  // Shift-JIS, NUL-terminated, rest zero
    std::int32_t alignRight;
    std::int32_t numberKind;
    std::int32_t hostColumn;
};
static_assert(sizeof(ColumnInfo) == 128, "the host reads 128-byte records");

struct ColumnSpec {
    std::string_view label;
    std::int32_t alignRight = 0;
    std::int32_t numberKind = kText;
    std::int32_t hostColumn = kPluginFills;
};

// The columns that every plug-in shares, with the host filling them.
constexpr ColumnSpec kFileNameColumn{"ファイル名", 0, kText, kFileName};
constexpr ColumnSpec kLastWriteColumn{"更新日時", 0, kText, kLastWrite};
constexpr ColumnSpec kFileSizeColumn{"ファイルサイズ", 1, kWholeNumber, kFileSize};
constexpr ColumnSpec kDirectoryColumn{"ディレクトリ", 0, kText, kDirectory};

}  // namespace pellan
