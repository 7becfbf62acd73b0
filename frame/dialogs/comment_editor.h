#pragma once
// The comment editor of the six USER-block plug-ins: one multi-line edit box holding the
// replay's comment as stored; OK writes the box's text back into the replay.
#include <string>
#include <utility>

#include "frame/dialogs/dialog_view.h"
#include "platform/dialog_box.h"
#include "userblock/replay_format.h"

namespace pellan {

constexpr int kCommentEditorTemplate = 102;
constexpr int kCommentEditBox = 1002;

// The fixed-pitch Shift-JIS font of the edit box, made once when the plug-in is loaded.
inline constexpr platform::FontSpec kCommentEditorFont{
    -12, 0, 0, 0, 400, 0, 0, 0, 128, 3, 2, 1, 0x31, "ＭＳ ゴシック",
};

class CommentEditor final : public DialogLogic {
public:
    CommentEditor(std::string path, const ReplayFormat& format, platform::FontHandle font)
        : path_(std::move(path)), format_(format), font_(font) {}

    void OnInit(DialogView& view) override;
    bool OnCommand(DialogView& view, int item, int notification) override;
    void OnClose(DialogView& view) override;

private:
    std::string path_;
    const ReplayFormat& format_;
    platform::FontHandle font_;
};

}  // namespace pellan
