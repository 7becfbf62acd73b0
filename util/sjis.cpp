#include "util/sjis.h"

namespace pellan {

namespace {
std::size_t TextLength(std::string_view text) {
    std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text.size() : nul;
}
std::uint8_t ByteAt(std::string_view text, std::size_t i) { return std::uint8_t(text[i]); }
}  // namespace

namespace {
int KindAfter(int previous, std::uint8_t b) {
    if (previous == kLeadByte) return IsTrailByte(b) ? kTrailByte : kSingleByte;
    return IsLeadByte(b) ? kLeadByte : kSingleByte;
}
}  // namespace

int CharKindAt(std::string_view text, long index) {
    if (index < 0 || std::size_t(index) >= TextLength(text)) return kSingleByte;
    int kind = kSingleByte;
    for (std::size_t i = 0; i <= std::size_t(index); ++i) kind = KindAfter(kind, ByteAt(text, i));
    return kind;
}

std::vector<std::uint8_t> CharKinds(std::string_view text) {
    std::vector<std::uint8_t> kinds(text.size(), kSingleByte);
    std::size_t end = TextLength(text);
    int kind = kSingleByte;
    for (std::size_t i = 0; i < end; ++i) kinds[i] = std::uint8_t(kind = KindAfter(kind, ByteAt(text, i)));
    return kinds;
}

std::size_t NextChar(std::string_view text, std::size_t i) {
    if (i >= text.size() || text[i] == '\0') return i;
    if (IsLeadByte(ByteAt(text, i)) && i + 1 < text.size() && text[i + 1] != '\0') return i + 2;
    return i + 1;
}

unsigned CharCodeAt(std::string_view text, std::size_t i) {
    if (i >= text.size()) return 0;
    std::uint8_t b = ByteAt(text, i);
    if (IsLeadByte(b) && i + 1 < text.size() && text[i + 1] != '\0') return b * 256u + ByteAt(text, i + 1);
    return b;
}

std::string_view CutToBytes(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t cut = maxBytes;
    if (cut > 0 && CharKindAt(text, long(cut - 1)) == kLeadByte) --cut;
    return text.substr(0, cut);
}

}  // namespace pellan
