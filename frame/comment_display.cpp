#include "frame/comment_display.h"

#include "frame/info_row.h"
#include "util/sjis.h"
#include "util/text_match.h"
#include "util/text_split.h"

namespace pellan {

namespace {

std::string OldFirstLine(std::string_view comment) {
    std::size_t p = 0;
    while (p < comment.size() && comment[p] != '\0' && comment[p] != '\r' && comment[p] != '\n')
        p = NextChar(comment, p);
    return std::string(comment.substr(0, p));
}

std::string OldLineBreaksAsSlash(std::string_view comment) {
    std::vector<std::uint8_t> kinds = CharKinds(comment);
    std::string out;
    out.reserve(comment.size());
    std::size_t p = 0;
    while (p < comment.size() && comment[p] != '\0') {
        char c = comment[p];
        if (c == '\r' && p + 1 < comment.size() && comment[p + 1] == '\n') {
            out += '/';
            p += 2;
        } else if (c == '\r' || c == '\n') {
            out += '/';
            p += 1;
        } else if (kinds[p] == kLeadByte && p + 1 < comment.size() && comment[p + 1] != '\0') {
            out.append(comment.substr(p, 2));
            p += 2;
        } else {
            out += c;
            p += 1;
        }
    }
    return out;
}

}  // namespace

std::string CommentDisplayText(std::string_view comment, int mode, Generation generation) {
    comment = comment.substr(0, comment.find('\0'));
    if (generation == Generation::New) {
        if (mode == kFirstLine) return SplitLines(comment).front();
        if (mode == kLineBreaksAsSlash) return ReplaceAll(comment, "\r\n", "/");
        return std::string(comment);
    }
    if (mode == kFirstLine) return OldFirstLine(comment);
    if (mode == kLineBreaksAsSlash) return OldLineBreaksAsSlash(comment);
    return std::string(comment);
}

std::string_view CutCommentToSlot(std::string_view text) { return CutToBytes(text, kSlotSize - 1); }

}  // namespace pellan
