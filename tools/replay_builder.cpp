#include "tools/replay_builder.h"

#include <cstdio>

namespace pellan::samples {

namespace {
void AppendU32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(std::uint8_t(value >> shift));
}
void AppendText(Bytes& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }
}  // namespace

BlockSpec TextBlock(std::uint8_t type, std::string_view text, unsigned extraZeros) {
    BlockSpec block;
    block.type = type;
    block.body.assign(text);
    block.body.append(1 + extraZeros, '\0');
    return block;
}

ReplaySpec ReplayOf(std::string magic, std::string body, std::vector<BlockSpec> blocks) {
    ReplaySpec replaySpec;
    replaySpec.magic = std::move(magic);
    replaySpec.body = std::move(body);
    replaySpec.blocks = std::move(blocks);
    return replaySpec;
}

Bytes BuildReplay(const ReplaySpec& replaySpec) {
    Bytes out;
    AppendText(out, replaySpec.magic.substr(0, 4));
    out.resize(4, 0);
    AppendText(out, "\x10\x20\x30");  // game data the plug-ins never read
    out.push_back(replaySpec.blockCount == 0xFF ? std::uint8_t(replaySpec.blocks.size()) : replaySpec.blockCount);
    AppendU32(out, 0x00010203);
    AppendU32(out, replaySpec.userOffset.value_or(std::uint32_t(16 + replaySpec.body.size())));
    AppendText(out, replaySpec.body);
    for (const BlockSpec& block : replaySpec.blocks) {
        AppendText(out, block.marker.substr(0, 4));
        AppendU32(out, block.size.value_or(std::uint32_t(12 + block.body.size())));
        out.push_back(block.type);
        out.insert(out.end(), 3, 0);
        AppendText(out, block.body);
    }
    if (replaySpec.truncateTo && *replaySpec.truncateTo < out.size()) out.resize(*replaySpec.truncateTo);
    return out;
}

bool WriteBytes(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return (std::fclose(file) == 0) && ok;
}

}  // namespace pellan::samples
