#pragma once
// The "No." column: the games save replays in numbered slots (varesk_07.rpy) and under free
// four-character names (varesk_udAbCd.rpy).
#include <string>
#include <string_view>

namespace pellan {

struct ReplayNumberRule {
    enum class Match {
        Pattern,          // numbered/user are patterns whose '?' stand for one character, case-sensitive
        PrefixAndSuffix,  // numbered/user are prefixes; the name ends in ".rpy"; both ignore ASCII case
    };
    Match match;
    std::string_view numbered;  // "varesk_??.rpy", or the prefix "mossel_"
    int highest;                // numbers 1 to highest are shown as "No.%02d"
    std::string_view user;      // "varesk_ud????.rpy", the prefix "peltra_ud", or empty for none
};

// "No.%02d", the four characters of a user name as they stand, or "User".
std::string ReplayNumberText(std::string_view path, const ReplayNumberRule& rule);

}  // namespace pellan
