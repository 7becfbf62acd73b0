#pragma once
// The "コメント" column: the player's comment in the display mode chosen by CommentBlt, cut
// to fit its 512-byte slot.
#include <string>
#include <string_view>

namespace pellan {

enum class Generation {
    New,  // varesk, dunmere, kolbrin: lines split by CR LF (else LF); only CR LF becomes "/"
    Old,  // quillet, mossel, peltra: the first CR or LF ends the line; CR LF, CR and LF become "/"
};

enum CommentMode : int { kWholeComment = 0, kFirstLine = 1, kLineBreaksAsSlash = 2 };

// The comment as shown for the mode; no mode makes it longer, and double-byte characters are
// never split.
std::string CommentDisplayText(std::string_view comment, int mode, Generation generation);

// The text cut to at most 511 bytes, or 510 when byte 510 begins a double-byte character.
std::string_view CutCommentToSlot(std::string_view text);

}  // namespace pellan
