#include "util/text_split.h"

#include "util/sjis.h"

namespace pellan {

namespace {

std::size_t TextEnd(std::string_view text) {
    std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text.size() : nul;
}

}  // namespace

TextList SplitTextAny(std::string_view text, std::string_view separators, unsigned limit) {
    TextList items;
    if (separators.empty()) return items;
    text = text.substr(0, TextEnd(text));
    std::size_t fieldStart = 0, p = 0;
    while (p < text.size()) {
        bool splitting = limit < 2 || items.size() < limit - 1;
        if (splitting && separators.find(text[p]) != std::string_view::npos) {
            if (p > fieldStart) items.emplace_back(text.substr(fieldStart, p - fieldStart));
            fieldStart = p + 1;
        }
        p = NextChar(text, p);
    }
    std::size_t end = text.size();
    bool trimmed = true;
    while (trimmed && end > fieldStart && CharKindAt(text, long(end - 1)) == kSingleByte) {
        trimmed = separators.find(text[end - 1]) != std::string_view::npos;
        if (trimmed) --end;
    }
    if (end > fieldStart) items.emplace_back(text.substr(fieldStart, end - fieldStart));
    return items;
}

TextList SplitText(std::string_view text, char separator) {
    return SplitTextAny(text, std::string_view(&separator, 1));
}

TextList SplitLines(std::string_view text) {
    TextList lines;
    std::size_t pos = 0;
    for (;;) {
        std::size_t crlf = text.find("\r\n", pos);
        if (crlf != std::string_view::npos) {
            lines.emplace_back(text.substr(pos, crlf - pos));
            pos = crlf + 2;
            continue;
        }
        std::size_t lf = text.find('\n', pos);
        if (lf == std::string_view::npos) break;
        lines.emplace_back(text.substr(pos, lf - pos));
        pos = lf + 1;
    }
    lines.emplace_back(text.substr(pos));
    return lines;
}

}  // namespace pellan
