#include "util/bounded_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "util/sjis.h"

namespace pellan {

void CopyOrAppend(char* out, std::size_t capacity, std::string_view text) {
    if (out == nullptr || capacity == 0) return;
    std::size_t used = strnlen(out, capacity - 1);
    std::string_view fitting = CutToBytes(text.substr(0, text.find('\0')), capacity - 1 - used);
    std::memcpy(out + used, fitting.data(), fitting.size());
    out[used + fitting.size()] = '\0';
}

void AppendFormatted(char* out, std::size_t capacity, const char* format, ...) {
    char scratch[10240] = {};
    if (format == nullptr) {
        std::snprintf(scratch, sizeof scratch, "%s", "Program aborted.");
    } else {
        va_list args;
        va_start(args, format);
        std::vsnprintf(scratch, sizeof scratch, format, args);
        va_end(args);
    }
    CopyOrAppend(out, capacity, scratch);
}

}  // namespace pellan
