#include "host/text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif
#include <cerrno>
#include <cstdint>
#include <vector>

namespace pellan::host {

#ifdef _WIN32
namespace {
std::string Convert(std::string_view text, UINT codePage) {
    if (text.empty()) return {};
    int wide = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring w(std::size_t(wide), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), w.data(), wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, out.data(), bytes, nullptr, nullptr);
    return out;
}
}  // namespace

std::string ShiftJisToUtf8(std::string_view text) { return Convert(text, 932); }
std::string PathToUtf8(std::string_view path) { return Convert(path, CP_ACP); }
#else
std::string ShiftJisToUtf8(std::string_view text) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == iconv_t(-1)) return std::string(text);
    std::string out;
    std::vector<char> chunk(16);
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = chunk.data();
        std::size_t outLeft = chunk.size();
        std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(chunk.data(), chunk.size() - outLeft);
        if (r == std::size_t(-1) && errno != E2BIG) {  // not Shift-JIS: show one '?' per byte
            out += '?';
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}
std::string PathToUtf8(std::string_view path) { return std::string(path); }
#endif

std::size_t DisplayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned char b = utf8[i];
        std::uint32_t cp = b;
        std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        if (length > 1 && i + length <= utf8.size()) {
            cp = b & (0xFF >> (length + 1));
            for (std::size_t k = 1; k < length; ++k) cp = cp << 6 | (utf8[i + k] & 0x3F);
        }
        bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) || (cp >= 0xAC00 && cp <= 0xD7A3) ||
                    (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                    (cp >= 0xFFE0 && cp <= 0xFFE6);
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

}  // namespace pellan::host
