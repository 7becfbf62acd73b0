#pragma once
// The row layout that Grottamar (varesk) and Ventorium (kolbrin) share: the same columns,
// filled from the same summary keys. Tavernel (dunmere) has a shorter row of its own.
#include "frame/column_info.h"
#include "userblock/summary_values.h"

namespace pellan::new_generation {

constexpr ColumnSpec kColumns[] = {
    kFileNameColumn, kLastWriteColumn, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"使用キャラ"}, {"難易度"},
    {"ステージ"}, {"スコア", 1, kWholeNumber}, {"処理落ち率", 1, kFraction}, {"バージョン"}, {"コメント"},
    kFileSizeColumn, kDirectoryColumn,
};

constexpr std::size_t kCommentSlot = 11;

// Summary keys in the order each line is tested; every key ends in its space.
constexpr SummaryKey kSummaryKeys[] = {{"Version ", 10}, {"Name ", 3},  {"Date ", 4},  {"Chara ", 5},
                                       {"Rank ", 6},     {"Stage ", 7}, {"Score ", 8}, {"Slow Rate ", 9}};

}  // namespace pellan::new_generation
