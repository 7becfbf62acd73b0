#include "util/path.h"

#include "platform/platform.h"

namespace pellan {

std::string_view FileNamePart(std::string_view path) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size() && path[i] != '\0';) {
        std::size_t next = platform::NextPathChar(path, i);
        if (next == i + 1 && platform::IsPathSeparator(path[i])) start = next;
        i = next;
    }
    return path.substr(start);
}

std::string_view ExtensionPart(std::string_view path) {
    std::string_view name = FileNamePart(path);
    std::size_t start = name.size();  // no '.': the empty text at the end of path
    for (std::size_t i = 0; i < name.size() && name[i] != '\0';) {
        std::size_t next = platform::NextPathChar(name, i);
        if (next == i + 1 && name[i] == '.') start = next;
        i = next;
    }
    return name.substr(start);
}

std::string DirectoryPart(std::string_view path) {
    std::string_view name = FileNamePart(path);
    if (!name.empty()) {
        std::size_t nameStart = path.size() - name.size();
        if (nameStart == 0) return {};
        return std::string(path.substr(0, nameStart - 1));
    }
    std::string dir(path);
    if (!dir.empty() && platform::IsPathSeparator(dir.back())) {
        // The last byte is a separator only when it is a character of its own.
        std::size_t last = 0;
        for (std::size_t i = 0; i < dir.size();) {
            last = i;
            std::size_t next = platform::NextPathChar(dir, i);
            if (next == i) break;
            i = next;
        }
        if (last == dir.size() - 1) dir.pop_back();
    }
    return dir;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = x - 'A' + 'a';
        if (y >= 'A' && y <= 'Z') y = y - 'A' + 'a';
        if (x != y) return false;
    }
    return true;
}

}  // namespace pellan
