#pragma once
// A dialog's logic sees its window only through DialogView: the Win32 view maps it onto a real
// dialog built from the plug-in's template (platform/win32), the tests onto a fake. The logic
// itself is a DialogLogic that the platform's dialog runner calls on opening, on every command
// and when the dialog is closed with its close box.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dialog_box.h"

namespace pellan {

// The commands of the OK and Cancel buttons (IDOK, IDCANCEL; also Return and Escape).
constexpr int kOkCommand = 1;
constexpr int kCancelCommand = 2;

class DialogView {
public:
    // The text of a control, whole, as the ANSI calls give it.
    virtual std::string ItemText(int item) const = 0;
    virtual void SetItemText(int item, std::string_view text) = 0;
    virtual bool IsChecked(int item) const = 0;
    virtual void SetChecked(int item, bool checked) = 0;
    // Gives the control a font without redrawing it.
    virtual void SetItemFont(int item, platform::FontHandle font) = 0;
    // Ends the modal dialog; the dialog call returns code.
    virtual void End(std::int32_t code) = 0;

protected:
    ~DialogView() = default;
};

class DialogLogic {
public:
    virtual void OnInit(DialogView& view) = 0;
    // A command of a control (its id and notification code); false leaves it to the system.
    virtual bool OnCommand(DialogView& view, int item, int notification) = 0;
    virtual void OnClose(DialogView& view) = 0;

protected:
    ~DialogLogic() = default;
};

}  // namespace pellan
