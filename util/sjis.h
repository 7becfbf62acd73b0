#pragma once
// Shift-JIS (code page 932) stepping. Every walk over text steps whole characters, so a
// separator value that is the second byte of a double-byte character is never a separator.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace pellan {

enum CharKind : int { kSingleByte = 0, kLeadByte = 1, kTrailByte = 2 };

constexpr bool IsLeadByte(std::uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
constexpr bool IsTrailByte(std::uint8_t b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Kind of the byte at index, judged by walking from the start of text. The text ends at its
// first NUL or at the end of the view; an index at or past that end, or negative, gives 0.
int CharKindAt(std::string_view text, long index);

// The kind of every byte of text, judged from its start in one walk (see CharKindAt).
std::vector<std::uint8_t> CharKinds(std::string_view text);

// Index of the character after the one at i. At the end (or a NUL) i itself; a lead byte that
// is followed by a non-NUL byte steps over two bytes, anything else over one.
std::size_t NextChar(std::string_view text, std::size_t i);

// 16-bit character code at i: lead * 256 + next for a double-byte character, else the byte.
unsigned CharCodeAt(std::string_view text, std::size_t i);

// Cuts text to at most maxBytes bytes without leaving half a double-byte character at the end.
std::string_view CutToBytes(std::string_view text, std::size_t maxBytes);

}  // namespace pellan
