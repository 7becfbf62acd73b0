// Win32 dialogs: DialogBoxParamA with the plug-in's template, a dialog procedure that hands
// the opening, every command and the close box to the dialog's logic, and a view that maps the
// logic's calls onto the dialog's controls through the ANSI calls (code page 932).
#include <windows.h>

#include <string>

#include "frame/dialogs/dialog_view.h"
#include "platform/dialog_box.h"

namespace pellan::platform {

namespace {

class Win32DialogView final : public DialogView {
public:
    explicit Win32DialogView(HWND dialog) : dialog_(dialog) {}

    std::string ItemText(int item) const override {
        HWND control = GetDlgItem(dialog_, item);
        int length = control ? GetWindowTextLengthA(control) : 0;
        if (length <= 0) return {};
        std::string text(std::size_t(length) + 1, '\0');
        int copied = GetWindowTextA(control, text.data(), length + 1);
        text.resize(copied > 0 ? std::size_t(copied) : 0);
        return text;
    }

    void SetItemText(int item, std::string_view text) override {
        SetDlgItemTextA(dialog_, item, std::string(text).c_str());
    }

    bool IsChecked(int item) const override {
        return SendDlgItemMessageA(dialog_, item, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    void SetChecked(int item, bool checked) override {
        SendDlgItemMessageA(dialog_, item, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    void SetItemFont(int item, FontHandle font) override {
        SendDlgItemMessageA(dialog_, item, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }

    void End(std::int32_t code) override { EndDialog(dialog_, code); }

private:
    HWND dialog_;
};

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Win32DialogView view(dialog);
        reinterpret_cast<DialogLogic*>(lParam)->OnInit(view);
        return TRUE;  // the system puts the focus on the first tab stop
    }
    auto* logic = reinterpret_cast<DialogLogic*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (logic == nullptr) return FALSE;
    Win32DialogView view(dialog);
    switch (message) {
        case WM_COMMAND: return logic->OnCommand(view, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        case WM_CLOSE: logic->OnClose(view); return TRUE;
        default: return FALSE;
    }
}

}  // namespace

FontHandle CreateDialogFont(const FontSpec& fontSpec) {
    std::string face(fontSpec.face);
    return CreateFontA(fontSpec.height, fontSpec.width, fontSpec.escapement, fontSpec.orientation, fontSpec.weight, fontSpec.italic,
                       fontSpec.underline, fontSpec.strikeOut, fontSpec.charSet, fontSpec.outPrecision, fontSpec.clipPrecision,
                       fontSpec.quality, fontSpec.pitchAndFamily, face.c_str());
}

std::int32_t RunModalDialog(ModuleHandle module, int templateId, void* owner, DialogLogic& logic) {
    INT_PTR result = DialogBoxParamA(static_cast<HINSTANCE>(module), MAKEINTRESOURCEA(templateId),
                                     static_cast<HWND>(owner), DialogProcedure, reinterpret_cast<LPARAM>(&logic));
    return std::int32_t(result);
}

}  // namespace pellan::platform
