#pragma once
#include <string>
#include <string_view>

namespace pellan {

// File-name pattern match, character by character: '?' stands for one whole character
// (single- or double-byte), '*' for any run of characters; everything else matches exactly,
// letter case included.
bool WildcardMatch(std::string_view pattern, std::string_view text);

// Every occurrence of from (not empty) replaced by to, tested at character starts only, left
// to right without overlap; one that ends exactly at the end of text is replaced too.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace pellan
