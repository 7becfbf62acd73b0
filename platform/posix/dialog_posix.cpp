// Linux has no dialog system: no dialog can be created and no font is made. The dialog
// exports therefore give DialogBoxParamA's failure value; editing needs Windows.
#include "platform/dialog_box.h"

namespace pellan::platform {

FontHandle CreateDialogFont(const FontSpec&) { return nullptr; }

std::int32_t RunModalDialog(ModuleHandle, int, void*, DialogLogic&) { return kNoDialog; }

}  // namespace pellan::platform
