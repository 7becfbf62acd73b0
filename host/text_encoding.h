#pragma once
#include <string>
#include <string_view>

namespace pellan::host {

// Shift-JIS (code page 932) to UTF-8; a byte sequence that is not Shift-JIS becomes '?'.
std::string ShiftJisToUtf8(std::string_view text);
// Paths as the file system gives them (ANSI on Windows, UTF-8 on Linux) to UTF-8.
std::string PathToUtf8(std::string_view path);
// Columns a UTF-8 text takes on a terminal: East Asian wide characters count two.
std::size_t DisplayWidth(std::string_view utf8);

}  // namespace pellan::host
