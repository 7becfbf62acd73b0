#include "platform/posix/profile_text.h"

#include <cstdint>
#include <vector>

#include "util/path.h"

namespace pellan::platform {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

struct Line {
    std::size_t begin, end;  // the line without its line end
    std::size_t next;        // start of the following line
};

std::vector<Line> SplitIntoLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t lf = text.find('\n', pos);
        std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        std::size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
        if (end > pos && text[end - 1] == '\r') --end;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

// The name of a "[name]" header line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key, value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyLine{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

struct SectionSpan {
    bool found = false;
    std::size_t headerLine = 0, lastEntryLine = 0;  // indexes into lines
    std::optional<std::size_t> keyLine;
};

SectionSpan Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                   std::string_view key) {
    SectionSpan span;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = text.substr(lines[i].begin, lines[i].end - lines[i].begin);
        if (auto name = SectionName(line)) {
            if (span.found) break;  // only the first section of that name counts
            inside = EqualsIgnoringCase(*name, section);
            if (inside) span = {true, i, i, std::nullopt};
            continue;
        }
        if (!inside) continue;
        if (!Trim(line).empty()) span.lastEntryLine = i;
        auto entry = ParseKeyLine(line);
        if (entry && !span.keyLine && EqualsIgnoringCase(entry->key, key)) span.keyLine = i;
    }
    return span;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key) {
    auto lines = SplitIntoLines(text);
    SectionSpan span = Locate(text, lines, section, key);
    if (!span.keyLine) return std::nullopt;
    const Line& line = lines[*span.keyLine];
    std::string_view value = ParseKeyLine(text.substr(line.begin, line.end - line.begin))->value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
    auto lines = SplitIntoLines(text);
    SectionSpan span = Locate(text, lines, section, key);
    std::string entry = std::string(key) + "=" + std::string(value);
    std::string out;
    if (span.keyLine) {
        const Line& line = lines[*span.keyLine];
        out.append(text.substr(0, line.begin)).append(entry).append(text.substr(line.end));
        return out;
    }
    if (span.found) {
        std::size_t at = lines[span.lastEntryLine].next;
        out.append(text.substr(0, at));
        if (!out.empty() && out.back() != '\n') out += "\r\n";
        out.append(entry).append("\r\n").append(text.substr(at));
        return out;
    }
    out.append(text);
    if (!out.empty() && out.back() != '\n') out += "\r\n";
    out.append("[").append(section).append("]\r\n").append(entry).append("\r\n");
    return out;
}

int LeadingProfileNumber(std::string_view value) {
    std::size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
    unsigned base = 10;
    if (i + 1 < value.size() && value[i] == '0') {
        char p = value[i + 1];
        if (p == 'x' || p == 'X') base = 16;
        if (p == 'o' || p == 'O') base = 8;
        if (p == 'b' || p == 'B') base = 2;
        if (base != 10) i += 2;
    }
    std::uint32_t result = 0;  // wraps like the 32-bit conversion of the profile calls
    for (; i < value.size(); ++i) {
        char c = value[i];
        unsigned digit = c >= '0' && c <= '9'   ? unsigned(c - '0')
                         : c >= 'a' && c <= 'f' ? unsigned(c - 'a' + 10)
                         : c >= 'A' && c <= 'F' ? unsigned(c - 'A' + 10)
                                                : 99u;
        if (digit >= base) break;
        result = result * base + digit;
    }
    return int(negative ? 0u - result : result);
}

}  // namespace pellan::platform
