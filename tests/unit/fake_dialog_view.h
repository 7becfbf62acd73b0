#pragma once
// A dialog view without a window: controls are entries of maps that the tests set and read,
// and End records the code. Radio buttons behave as automatic ones when clicked through Click.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "frame/dialogs/dialog_view.h"

namespace pellan::testing {

class FakeDialogView final : public DialogView {
public:
    std::string ItemText(int item) const override {
        auto found = texts.find(item);
        return found == texts.end() ? std::string() : found->second;
    }
    void SetItemText(int item, std::string_view text) override { texts[item] = std::string(text); }
    bool IsChecked(int item) const override {
        auto found = checks.find(item);
        return found != checks.end() && found->second;
    }
    void SetChecked(int item, bool checked) override { checks[item] = checked; }
    void SetItemFont(int item, platform::FontHandle font) override { fonts[item] = font; }
    void End(std::int32_t code) override {
        ++endCalls;
        endCode = code;
    }

    // Checks item and unchecks the other buttons of its group, as a click on an automatic
    // radio button does.
    void Click(int item, const std::vector<int>& group) {
        for (int other : group) checks[other] = false;
        checks[item] = true;
    }
    // The items that are checked, in increasing order.
    std::vector<int> Checked() const {
        std::vector<int> on;
        for (const auto& [item, checked] : checks)
            if (checked) on.push_back(item);
        return on;
    }

    std::map<int, std::string> texts;
    std::map<int, bool> checks;
    std::map<int, platform::FontHandle> fonts;
    std::optional<std::int32_t> endCode;
    int endCalls = 0;
};

}  // namespace pellan::testing
