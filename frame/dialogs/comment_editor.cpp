#include "frame/dialogs/comment_editor.h"

#include "frame/plugin_calls.h"
#include "userblock/replay_comment.h"

namespace pellan {

void CommentEditor::OnInit(DialogView& view) {
    view.SetItemFont(kCommentEditBox, font_);
    // A file that cannot be read, is no replay of this game or has no comment: an empty box.
    std::string comment;
    if (LoadReplayComment(path_, format_, comment)) view.SetItemText(kCommentEditBox, comment);
}

bool CommentEditor::OnCommand(DialogView& view, int item, int) {
    if (item == kOkCommand) {
        // The replay is read again now; a failed save closes the dialog all the same.
        bool saved = SaveReplayComment(path_, format_, view.ItemText(kCommentEditBox));
        view.End(saved ? kDone : kCancelled);
        return true;
    }
    if (item == kCancelCommand) {
        view.End(kCancelled);
        return true;
    }
    return false;
}

void CommentEditor::OnClose(DialogView& view) { view.End(kCancelled); }

}  // namespace pellan
