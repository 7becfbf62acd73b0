#pragma once
// What a host can observe of each of the eight plug-ins without opening a replay: the
// information strings, the column table and the constants of the exports. Written out here
// independently of the plug-in descriptors, so that a descriptor that drifts is caught.
// String literals are compiled to Shift-JIS (-fexec-charset=CP932), as the plug-ins hold them.
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace pellan::exports_test {

enum class Family { NewGeneration, OldGeneration, Versus };

struct Column {
    std::string_view label;
    std::int32_t alignRight = 0;
    std::int32_t numberKind = 0;
    std::int32_t hostColumn = 0;
};

struct PluginCase {
    std::string name;  // file name without ".tvp"
    Family family;
    std::int32_t revision;
    std::string_view info[4];  // about text, game title, file pattern, file-type description
    std::vector<Column> columns;
    std::int32_t identifyBytes;  // IsSupported with a null source
    std::string magic;           // the four leading bytes of a replay; empty for the versus records

    bool UsesUserBlocks() const { return family != Family::Versus; }
    std::size_t RowBytes() const { return columns.size() * 512; }
    std::size_t ColumnTableBytes() const { return (columns.size() + 1) * 128; }
    // The slot of the column with the label, or -1.
    int SlotOf(std::string_view label) const {
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i].label == label) return int(i);
        return -1;
    }
};

inline void PrintTo(const PluginCase& plugin, std::ostream* out) { *out << plugin.name; }

inline const Column kFileName{"ファイル名", 0, 0, 3};
inline const Column kLastWrite{"更新日時", 0, 0, 7};
inline const Column kFileSize{"ファイルサイズ", 1, 1, 8};
inline const Column kDirectory{"ディレクトリ", 0, 0, 2};

// varesk and kolbrin share their columns.
inline const std::vector<Column> kGrottamarColumns = {
    kFileName, kLastWrite, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"使用キャラ"}, {"難易度"}, {"ステージ"},
    {"スコア", 1, 1, 0}, {"処理落ち率", 1, 2, 0}, {"バージョン"}, {"コメント"}, kFileSize, kDirectory,
};

inline const std::vector<PluginCase>& AllPlugins() {
    static const std::vector<PluginCase> plugins = {
        {"varesk", Family::NewGeneration, 2,
         {"TOLVEN Plug-in For Grottamar Ver1.00", "Grottamar", "varesk_*.rpy", "Grottamar リプレイファイル(varesk_*.rpy)"},
         kGrottamarColumns, 4, "vrsk"},
        {"dunmere", Family::NewGeneration, 2,
         {"TOLVEN Plug-in For Tavernel Ver1.00", "Tavernel", "dunmere_*.rpy", "Tavernel リプレイファイル(dunmere_*.rpy)"},
         {kFileName, kLastWrite, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"ステージ"}, {"スコア", 1, 1, 0},
          {"処理落ち率", 1, 2, 0}, {"バージョン"}, {"コメント"}, kFileSize, kDirectory},
         4, "dnmr"},
        {"kolbrin", Family::NewGeneration, 2,
         {"TOLVEN Plug-in For Ventorium Ver1.01", "Ventorium", "kolbrin_*.rpy", "Ventorium リプレイファイル(kolbrin_*.rpy)"},
         kGrottamarColumns, 4, "kbrn"},
        {"quillet", Family::OldGeneration, 1,
         {"TOLVEN Plug-in For Folialux Ver1.00", "Folialux", "quillet_*.rpy", "Folialux リプレイファイル(quillet_*.rpy)"},
         {kFileName, kLastWrite, {"No."}, {"バージョン"}, {"プレイヤー名"}, {"ステージ", 1, 0, 0}, {"レベル", 1, 1, 0},
          {"シーン", 1, 1, 0}, {"プレイ時刻"}, {"スコア", 1, 1, 0}, {"処理落ち率", 1, 2, 0}, {"コメント"}, kFileSize,
          kDirectory},
         4, "qllt"},
        {"mossel", Family::OldGeneration, 1,
         {"TOLVEN Plug-in For Noctevar Ver1.00", "Noctevar", "mossel_*.rpy", "Noctevar リプレイファイル(mossel_*.rpy)"},
         {kFileName, kLastWrite, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"キャラ名"}, {"難易度"}, {"最終ステージ"},
          {"カード名"}, {"ミス回数", 1, 1, 0}, {"ボム回数", 1, 1, 0}, {"スコア", 1, 1, 0}, {"処理落ち率", 1, 2, 0},
          {"人間率", 1, 2, 0}, {"バージョン"}, {"コメント"}, kFileSize, kDirectory},
         4, "MSSL"},
        {"peltra", Family::OldGeneration, 1,
         {"TOLVEN Plug-in For Bloomfrey Ver1.00", "Bloomfrey", "peltra_*.rpy", "Bloomfrey リプレイファイル(peltra_*.rpy)"},
         {kFileName, kLastWrite, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"難易度"}, {"モード"}, {"使用キャラ"},
          {"対戦キャラ"}, {"初期体力"}, {"バージョン"}, {"コメント"}, kFileSize, kDirectory},
         4, "PLTR"},
        {"Skarn", Family::Versus, 1,
         {"TOLVEN Plug-in For Vortalis Ver1.00", "Skarn", "*.rep", "Skarn リプレイファイル(*rep)"},
         {kFileName, kLastWrite, {"1Pキャラ"}, {"1Pカラー"}, {"2Pキャラ"}, {"2Pカラー"}, {"対戦ステージ"}, {"バージョン"},
          kFileSize, kDirectory},
         12, ""},
        {"sundrel", Family::Versus, 1,
         {"TOLVEN Plug-in For Mistgale Ver1.00", "Mistgale", "*.rep", "Mistgale リプレイファイル(*rep)"},
         {kFileName, kLastWrite, {"No."}, {"プレイヤー名"}, {"プレイ時刻"}, {"難易度"}, {"1P"}, {"1Pスペルカード壱符"},
          {"1Pスペルカード弐符"}, {"2P"}, {"2Pスペルカード壱符"}, {"2Pスペルカード弐符"}, {"対戦ステージ"}, {"バージョン"},
          {"リプレイ仕様"}, kFileSize, kDirectory},
         60, ""},
    };
    return plugins;
}

inline std::vector<PluginCase> UserBlockPlugins() {
    std::vector<PluginCase> out;
    for (const PluginCase& plugin : AllPlugins())
        if (plugin.UsesUserBlocks()) out.push_back(plugin);
    return out;
}

inline std::vector<PluginCase> NewGenerationPlugins() {
    std::vector<PluginCase> out;
    for (const PluginCase& plugin : AllPlugins())
        if (plugin.family == Family::NewGeneration) out.push_back(plugin);
    return out;
}

inline std::vector<PluginCase> VersusPlugins() {
    std::vector<PluginCase> out;
    for (const PluginCase& plugin : AllPlugins())
        if (!plugin.UsesUserBlocks()) out.push_back(plugin);
    return out;
}

}  // namespace pellan::exports_test
