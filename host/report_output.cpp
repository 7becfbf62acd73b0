#include "host/report_output.h"

#include <algorithm>

#include "host/text_encoding.h"

namespace pellan::host {

namespace {

// A cell on one terminal line: line breaks and tabs shown as visible marks.
std::string OneLine(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\r' || text[i] == '\n') out += "\xE2\x86\xB5";  // ↵
        else if (text[i] == '\t') out += ' ';
        else out += text[i];
    }
    return out;
}

// Long cells (a comment of 511 bytes) are shortened for the terminal only.
std::string Shorten(const std::string& text, std::size_t maxWidth = 48) {
    if (DisplayWidth(text) <= maxWidth) return text;
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) ++length;
        if (DisplayWidth(out + text.substr(i, length)) > maxWidth - 1) break;
        out += text.substr(i, length);
        i += length;
    }
    return out + "\xE2\x80\xA6";  // …
}

std::string Pad(const std::string& text, std::size_t width, bool right) {
    std::size_t used = DisplayWidth(text);
    std::string fill(width > used ? width - used : 0, ' ');
    return right ? fill + text : text + fill;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += char(c);
                }
        }
    }
    return out + "\"";
}

const char* kInfoNames[4] = {"about", "title", "pattern", "description"};

void PrintTable(const PluginReport& report, bool details, std::FILE* out) {
    const auto& columns = report.description.columns;
    std::fprintf(out, "== %s: %s (%zu files)\n", report.description.file.c_str(), report.description.info[1].c_str(),
                 report.files.size());
    std::vector<std::size_t> widths;
    for (const Column& column : columns) widths.push_back(DisplayWidth(column.label));
    for (const ListedFile& file : report.files)
        for (std::size_t i = 0; i < columns.size(); ++i) widths[i] = std::max(widths[i], DisplayWidth(Shorten(OneLine(file.cells[i]))));
    std::string line;
    for (std::size_t i = 0; i < columns.size(); ++i) line += (i ? " | " : "") + Pad(columns[i].label, widths[i], false);
    std::fprintf(out, "%s\n", line.c_str());
    line.clear();
    for (std::size_t i = 0; i < columns.size(); ++i) line += (i ? "-+-" : "") + std::string(widths[i], '-');
    std::fprintf(out, "%s\n", line.c_str());
    for (const ListedFile& file : report.files) {
        line.clear();
        for (std::size_t i = 0; i < columns.size(); ++i)
            line += (i ? " | " : "") + Pad(Shorten(OneLine(file.cells[i])), widths[i], columns[i].alignRight != 0);
        if (file.status != 0) line += "   (GetFileInfoList: " + std::to_string(file.status) + ")";
        std::fprintf(out, "%s\n", line.c_str());
    }
    if (details) {
        for (const ListedFile& file : report.files) {
            std::fprintf(out, "-- %s\n", file.cells.empty() ? file.path.c_str() : PathToUtf8(file.path).c_str());
            const DetailsText* texts[2] = {&file.text1, &file.text2};
            for (int k = 0; k < 2; ++k) {
                if (texts[k]->status < 0) continue;
                std::fprintf(out, "[GetFileInfoText%d: %d]\n", k + 1, texts[k]->status);
                if (texts[k]->status == 0) std::fprintf(out, "%s\n", texts[k]->text.c_str());
            }
        }
    }
    std::fprintf(out, "\n");
}

void PrintCsv(const PluginReport& report, std::FILE* out) {
    std::string line = "plugin";
    for (const Column& column : report.description.columns) line += "," + CsvField(column.label);
    std::fprintf(out, "%s\r\n", line.c_str());
    for (const ListedFile& file : report.files) {
        line = CsvField(report.description.file);
        for (const std::string& cell : file.cells) line += "," + CsvField(cell);
        std::fprintf(out, "%s\r\n", line.c_str());
    }
}

std::string JsonDescription(const PluginDescription& d) {
    std::string json = "{\"file\":" + JsonString(d.file) + ",\"revision\":" + std::to_string(d.revision);
    for (int i = 0; i < 4; ++i) json += ",\"" + std::string(kInfoNames[i]) + "\":" + JsonString(d.info[i]);
    json += ",\"columns\":[";
    for (std::size_t i = 0; i < d.columns.size(); ++i) {
        const Column& c = d.columns[i];
        json += std::string(i ? "," : "") + "{\"label\":" + JsonString(c.label) + ",\"alignRight\":" +
                std::to_string(c.alignRight) + ",\"numberKind\":" + std::to_string(c.numberKind) +
                ",\"hostColumn\":" + std::to_string(c.hostColumn) + "}";
    }
    return json + "]";
}

std::string JsonDetails(const DetailsText& details) {
    if (details.status < 0) return "null";
    return "{\"status\":" + std::to_string(details.status) + ",\"text\":" + JsonString(details.text) + "}";
}

}  // namespace

void PrintDescriptions(Format format, const std::vector<PluginReport>& reports, std::FILE* out) {
    if (format == Format::Json) {
        std::string json = "[";
        for (std::size_t i = 0; i < reports.size(); ++i) json += (i ? "," : "") + JsonDescription(reports[i].description) + "}";
        std::fprintf(out, "%s]\n", json.c_str());
        return;
    }
    if (format == Format::Csv) std::fprintf(out, "plugin,revision,about,title,pattern,description,columns\r\n");
    for (const PluginReport& report : reports) {
        const PluginDescription& d = report.description;
        if (format == Format::Csv) {
            std::string labels;
            for (const Column& c : d.columns) labels += (labels.empty() ? "" : "|") + c.label;
            std::string line = CsvField(d.file) + "," + std::to_string(d.revision);
            for (const std::string& info : d.info) line += "," + CsvField(info);
            std::fprintf(out, "%s,%s\r\n", line.c_str(), CsvField(labels).c_str());
            continue;
        }
        std::fprintf(out, "== %s  revision %d%s\n", d.file.c_str(), d.revision, d.hasText2 ? "" : "  (no GetFileInfoText2)");
        for (int i = 0; i < 4; ++i) std::fprintf(out, "  %-12s %s\n", kInfoNames[i], d.info[i].c_str());
        for (std::size_t i = 0; i < d.columns.size(); ++i) {
            const Column& c = d.columns[i];
            std::fprintf(out, "  column %2zu  %s  (%d, %d, %d)\n", i, Pad(c.label, 20, false).c_str(), c.alignRight,
                         c.numberKind, c.hostColumn);
        }
        std::fprintf(out, "\n");
    }
}

void PrintListings(Format format, const std::vector<PluginReport>& reports, bool details, std::FILE* out) {
    if (format == Format::Table) {
        for (const PluginReport& report : reports) PrintTable(report, details, out);
        return;
    }
    if (format == Format::Csv) {
        for (std::size_t i = 0; i < reports.size(); ++i) {
            if (i) std::fprintf(out, "\r\n");
            PrintCsv(reports[i], out);
        }
        return;
    }
    std::string json = "[";
    for (std::size_t r = 0; r < reports.size(); ++r) {
        const PluginReport& report = reports[r];
        json += (r ? "," : "") + JsonDescription(report.description) + ",\"rows\":[";
        for (std::size_t f = 0; f < report.files.size(); ++f) {
            const ListedFile& file = report.files[f];
            json += std::string(f ? "," : "") + "{\"path\":" + JsonString(PathToUtf8(file.path)) +
                    ",\"status\":" + std::to_string(file.status) + ",\"cells\":{";
            for (std::size_t i = 0; i < file.cells.size(); ++i)
                json += std::string(i ? "," : "") + JsonString(report.description.columns[i].label) + ":" + JsonString(file.cells[i]);
            json += "},\"text1\":" + JsonDetails(file.text1) + ",\"text2\":" + JsonDetails(file.text2) + "}";
        }
        json += "]}";
    }
    std::fprintf(out, "%s]\n", json.c_str());
}

}  // namespace pellan::host
