#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace pellan {

using TextList = std::vector<std::string>;

// Items between separators, tested at character starts only. No empty item is produced:
// leading, trailing and repeated separators add nothing.
TextList SplitText(std::string_view text, char separator);

// As SplitText with a set of separators. A limit of 2 or more stops splitting once limit - 1
// items exist, so the last item carries the rest; separators at the end of the last item are
// trimmed. 0 and 1 mean no limit.
TextList SplitTextAny(std::string_view text, std::string_view separators, unsigned limit = 0);

// Lines of a text: CR LF ends a line; a lone LF ends one only after the last CR LF of the text;
// a lone CR never does. The text after the last line end is always the last line, so an empty
// text gives one empty line and a text ending in CR LF an empty last line.
TextList SplitLines(std::string_view text);

}  // namespace pellan
