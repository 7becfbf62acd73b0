#pragma once
// Text written into fixed-size, zero-filled output buffers (host buffers and row slots). The
// buffer always keeps a NUL, nothing is written past its capacity, and a text that does not
// fit is cut before a whole character, never inside a double-byte one.
#include <cstddef>
#include <string_view>

namespace pellan {

// Appends text behind the NUL-terminated text already in out (copies it when out is empty).
void CopyOrAppend(char* out, std::size_t capacity, std::string_view text);

// printf-style formatting into a scratch area of 10240 bytes, then CopyOrAppend. A null
// format stands for "Program aborted.".
void AppendFormatted(char* out, std::size_t capacity, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

}  // namespace pellan
