#include "util/text_match.h"

#include "util/sjis.h"

namespace pellan {

bool WildcardMatch(std::string_view pattern, std::string_view text) {
    unsigned c = CharCodeAt(pattern, 0);
    if (pattern.empty() || c == 0) return text.empty() || text[0] == '\0';
    bool textEmpty = text.empty() || text[0] == '\0';
    std::string_view restPattern = pattern.substr(NextChar(pattern, 0));
    if (c == '*') return WildcardMatch(restPattern, text) || (!textEmpty && WildcardMatch(pattern, text.substr(NextChar(text, 0))));
    if (textEmpty) return false;
    if (c != '?' && CharCodeAt(text, 0) != c) return false;
    return WildcardMatch(restPattern, text.substr(NextChar(text, 0)));
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t p = 0;
    while (!from.empty() && text.size() - p >= from.size()) {
        if (text.compare(p, from.size(), from) == 0) {
            out.append(to);
            p += from.size();
            continue;
        }
        std::size_t next = NextChar(text, p);
        if (next == p) next = p + 1;  // a NUL inside the text is copied like any byte
        out.append(text.substr(p, next - p));
        p = next;
    }
    out.append(text.substr(p));
    return out;
}

}  // namespace pellan
