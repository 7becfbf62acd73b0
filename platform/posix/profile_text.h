#pragma once
// The text rules of a private-profile (".ini") file, as the Windows profile calls apply them:
// "[section]" headers and "key=value" lines, names compared without regard to ASCII case
// after trimming blanks, ';' comment lines, and CR LF line ends when writing.
#include <optional>
#include <string>
#include <string_view>

namespace pellan::platform {

// The trimmed value of key in section, or nothing when the section or key is missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key);

// text with key set to value in section: the key's line is replaced where it stands, or added
// at the end of the section, or a new section is added at the end. Other lines stay.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

// The leading number of a profile value: blanks, one sign, then decimal digits (or digits
// after a 0x, 0o or 0b prefix); reading stops at the first other character. No digit gives 0.
int LeadingProfileNumber(std::string_view value);

}  // namespace pellan::platform
