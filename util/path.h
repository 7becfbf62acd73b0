#pragma once
// Path splitting. Paths are walked character by character in the platform's own encoding
// (platform::NextPathChar), so a separator byte inside a multi-byte character never counts.
#include <string>
#include <string_view>

namespace pellan {

// The text after the last '\' or '/', or the whole path when it has none.
std::string_view FileNamePart(std::string_view path);
// The text after the last '.' of the file name; empty when the name has no '.' or ends in one.
std::string_view ExtensionPart(std::string_view path);
// The path without its file name and the separator before it; a path ending in a separator
// loses just that separator. A bare file name (no separator at all) has no directory.
std::string DirectoryPart(std::string_view path);

// ASCII case-insensitive equality, for extensions and file-name prefixes.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace pellan
