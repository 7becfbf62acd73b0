#pragma once
// Modal dialogs and fonts: the user-interface part of the platform layer. On Windows a dialog
// is DialogBoxParamA with a template of the plug-in's own resources; Linux has no dialog
// system, so there a dialog cannot be created and the call gives DialogBoxParamA's failure
// value.
#include <cstdint>
#include <string_view>

#include "platform/platform.h"

namespace pellan {
class DialogLogic;
}

namespace pellan::platform {

using FontHandle = void*;

// The arguments of CreateFontA.
struct FontSpec {
    std::int32_t height, width, escapement, orientation, weight;
    std::uint8_t italic, underline, strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily;
    std::string_view face;  // Shift-JIS
};

// The value DialogBoxParamA gives when no dialog can be created.
constexpr std::int32_t kNoDialog = -1;

// Null where there are no fonts (Linux) or when the font cannot be made.
FontHandle CreateDialogFont(const FontSpec& fontSpec);

// Shows the dialog template templateId of module, owned by owner, modally; logic handles its
// opening, commands and closing. Returns the code the logic ended it with, or kNoDialog.
std::int32_t RunModalDialog(ModuleHandle module, int templateId, void* owner, DialogLogic& logic);

}  // namespace pellan::platform
