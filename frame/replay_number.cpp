#include "frame/replay_number.h"

#include <cstdio>
#include <cstdlib>

#include "util/path.h"
#include "util/text_match.h"

namespace pellan {

namespace {

constexpr std::string_view kSuffix = ".rpy";
constexpr std::size_t kNumberLength = 2;
constexpr std::size_t kUserNameLength = 4;

// The two characters read as the standard atoi reads them: blanks skipped, one sign, digits.
std::string NumberText(std::string_view digits, int highest) {
    std::string text(digits);
    int number = std::atoi(text.c_str());
    if (number < 1 || number > highest) return {};
    char out[16];
    std::snprintf(out, sizeof out, "No.%02d", number);
    return out;
}

std::string ByPattern(std::string_view name, const ReplayNumberRule& rule) {
    if (name.size() == rule.numbered.size() && WildcardMatch(rule.numbered, name)) {
        std::string text = NumberText(name.substr(rule.numbered.find('?'), kNumberLength), rule.highest);
        if (!text.empty()) return text;
    }
    if (!rule.user.empty() && name.size() == rule.user.size() && WildcardMatch(rule.user, name))
        return std::string(name.substr(rule.user.find('?'), kUserNameLength));
    return {};
}

bool HasPrefixAndSuffix(std::string_view name, std::string_view prefix, std::size_t middle) {
    return name.size() == prefix.size() + middle + kSuffix.size() &&
           EqualsIgnoringCase(name.substr(0, prefix.size()), prefix) &&
           EqualsIgnoringCase(name.substr(name.size() - kSuffix.size()), kSuffix);
}

std::string ByPrefix(std::string_view name, const ReplayNumberRule& rule) {
    if (HasPrefixAndSuffix(name, rule.numbered, kNumberLength)) {
        std::string text = NumberText(name.substr(rule.numbered.size(), kNumberLength), rule.highest);
        if (!text.empty()) return text;
    }
    if (!rule.user.empty() && HasPrefixAndSuffix(name, rule.user, kUserNameLength))
        return std::string(name.substr(rule.user.size(), kUserNameLength));
    return {};
}

}  // namespace

std::string ReplayNumberText(std::string_view path, const ReplayNumberRule& rule) {
    std::string_view name = FileNamePart(path);
    std::string text = rule.match == ReplayNumberRule::Match::Pattern ? ByPattern(name, rule) : ByPrefix(name, rule);
    return text.empty() ? std::string("User") : text;
}

}  // namespace pellan
