#include "tools/sample_set.h"

#include <cstdio>

namespace pellan::samples {

namespace {

struct Game {
    std::string prefix;  // file-name prefix, e.g. "varesk_"
    std::string magic;
    unsigned extraZeros;  // zero bytes the game writes after a text's NUL
    int highest;          // highest replay number
    std::string (*summary)(const std::string& player, int seed);
};

// The new-generation games: "Key value" lines ending in CR LF.
std::string KeyValueSummary(const std::string& player, int seed) {
    static const char* const characters[] = {"イルヴァ（雷符）", "Corvane B", "ミルサ"};
    static const char* const ranks[] = {"Easy", "Normal", "Hard"};
    std::string s = "Version 1.0" + std::to_string(seed % 3) + "\r\n";
    s += "Name " + player + "\r\n";
    s += "Date 26/12/" + std::to_string(10 + seed % 9) + " 2" + std::to_string(seed % 4) + ":15\r\n";
    s += std::string("Chara ") + characters[seed % 3] + "\r\n";
    s += std::string("Rank ") + ranks[seed % 3] + "\r\n";
    s += seed % 2 ? "Stage All Clear\r\n" : "Stage 4\r\n";
    s += "Score " + std::to_string(12345670 * (seed + 1)) + "\r\n";
    s += "Slow Rate " + std::to_string(seed % 5) + ".2" + std::to_string(seed % 10) + "\r\n";
    return s;
}

// Folialux: "Item value" tokens separated by spaces.
std::string TokenSummary(const std::string& player, int seed) {
    std::string s = "Version 1.00\r\nName " + player + "\r\n";
    s += "Level " + std::to_string(1 + seed % 12) + "\r\nScene " + std::to_string(1 + seed % 9) + "\r\n";
    s += "Date 26/12/11 14:3" + std::to_string(seed % 10) + "\r\nScore " + std::to_string(98760 * (seed + 1)) + "\r\n";
    s += "Slow Rate 0." + std::to_string(seed % 10) + "0\r\n";
    return s;
}

// Noctevar and Bloomfrey: Japanese labels, a TAB and the value.
std::string LabelSummary(const std::string& player, int seed) {
    std::string s = "ゲームのバージョン\t1.0" + std::to_string(seed % 3) + "\r\n";
    s += "プレイヤー名\t" + player + "\r\n";
    s += "プレイ時刻\t2026/12/11 14:0" + std::to_string(seed % 10) + "\r\n";
    s += "キャラ名\tヴェルナ・ソル\r\n難易度\tNormal\r\n";
    s += "スコア\t" + std::to_string(4321000 * (seed + 1)) + "\r\n処理落ち率\t0.0" + std::to_string(seed % 10) + "\r\n";
    return s;
}

const std::vector<Game>& Games() {
    static const std::vector<Game> games = {
        {"varesk_", "vrsk", 1, 25, KeyValueSummary}, {"dunmere_", "dnmr", 1, 25, KeyValueSummary},
        {"kolbrin_", "kbrn", 1, 25, KeyValueSummary}, {"quillet_", "qllt", 0, 20, TokenSummary},
        {"mossel_", "MSSL", 0, 15, LabelSummary},     {"peltra_", "PLTR", 0, 25, LabelSummary},
    };
    return games;
}

// The magic is filled in by the game that adds the replay.
ReplaySpec Replay(std::string body, std::vector<BlockSpec> blocks) { return ReplayOf("", std::move(body), std::move(blocks)); }

std::string Number(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// A comment of 600 bytes whose byte 510 begins a double-byte character.
std::string LongComment() {
    std::string text(510, 'a');
    while (text.size() < 600) text += "あ";
    return text;
}

// Summaries and comments at the edges of the "Key value" reader and of the comment slot.
template <typename Add>
void AddKeyValueEdges(const Game& g, Add add) {
    auto summary = [&](const std::string& text) { return Summary(text, g.extraZeros); };
    auto comment = [&](const std::string& text) { return Comment(text, g.extraZeros); };
    add(Number(15), Replay("", {summary("name lower\r\nNameless\r\nName  Spaced \r\nScore\r\nStage \r\n"
                                        "Rank Normal\r\nRank Hard\r\nVersion 1.00")}));
    add(Number(16), Replay("", {summary("Name LF only\nScore 42\nStage 5\n"), comment("one\ntwo")}));
    add(Number(17), Replay("", {summary("Name Mixed\nScore 10\r\nStage 3"), comment("a\nb\r\nc\rd\r\n")}));
    add(Number(18), Replay("", {comment(std::string(511, 'x'))}));
    add(Number(19), Replay("", {comment(std::string(512, 'y'))}));
    std::string dbcsAt510(510, 'z');
    dbcsAt510 += "漢字";
    add(Number(20), Replay("", {comment(dbcsAt510)}));
}

void AddGame(const Game& g, std::vector<SampleFile>& out) {
    auto add = [&](const std::string& name, ReplaySpec replaySpec) {
        replaySpec.magic = g.magic;
        out.push_back({g.prefix + name + ".rpy", BuildReplay(replaySpec)});
    };
    auto summary = [&](const std::string& player, int seed) { return Summary(g.summary(player, seed), g.extraZeros); };
    auto comment = [&](const std::string& text) { return Comment(text, g.extraZeros); };
    std::string body(300, '\x5A');

    add(Number(1), Replay(body, {summary("Aldren", 1), comment("first clear!")}));
    add(Number(7), Replay(body, {summary("たろう", 7), comment("ボス戦で被弾\r\n二行目のコメント\r\n三行目")}));
    add(Number(g.highest), Replay(body, {summary("ＫＯＲＶＩＮ", 3)}));
    add("udAbCd", Replay(body, {summary("Quorra", 4), comment("user-named replay")}));
    add(Number(g.highest + 1), Replay(body, {comment("no summary, number out of range")}));
    add(Number(2), Replay(body, {TextBlock(2, "other data", 0), summary("Lin", 2), comment("a\nb\r\nc")}));
    add(Number(3), Replay(body, {summary("Nadia", 5), comment(LongComment())}));
    add(Number(4), Replay("", {}));  // no USER blocks at all

    // Damaged replays: each must still give a status code and no crash.
    ReplaySpec offsetPastEnd = Replay(body, {summary("Broken", 6)});
    offsetPastEnd.userOffset = 0x7FFFFFF0;
    add(Number(10), offsetPastEnd);
    ReplaySpec hugeBlock = Replay(body, {BlockSpec{2, "junk", 0xFFFFFFFFu}, summary("Hidden", 7)});
    add(Number(11), hugeBlock);
    ReplaySpec truncated = Replay(body, {summary("Cut", 8), comment("this comment is cut off in the middle")});
    truncated.truncateTo = 16 + body.size() + summary("Cut", 8).body.size() + 12 + 30;
    add(Number(12), truncated);
    out.push_back({g.prefix + Number(13) + ".rpy", Bytes(g.magic.begin(), g.magic.begin() + 3)});  // 3 bytes
    ReplaySpec tinyBlock = Replay(body, {BlockSpec{0, "", 5u}, comment("after a block of size 5")});
    add(Number(14), tinyBlock);
    if (g.summary == KeyValueSummary) AddKeyValueEdges(g, add);
}

}  // namespace

std::vector<SampleFile> SampleSet() {
    std::vector<SampleFile> files;
    for (const Game& game : Games()) AddGame(game, files);
    // A replay of one game under another game's name: its magic does not match.
    ReplaySpec foreign = Replay("", {Summary("Name Stranger\r\n")});
    foreign.magic = "kbrn";
    files.push_back({"varesk_24.rpy", BuildReplay(foreign)});
    files.push_back({"notes.txt", Bytes{'n', 'o', 't', 'e'}});
    return files;
}

bool WriteSampleSet(const std::string& folder) {
    for (const SampleFile& file : SampleSet())
        if (!WriteBytes(folder + "/" + file.name, file.bytes)) return false;
    return true;
}

}  // namespace pellan::samples
