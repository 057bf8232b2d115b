#include "editbox/Commands.h"

#include "editbox/CommandsConditions.h"
#include "editbox/Editbox.h"
#include "editbox/InsertMode.h"
#include "editbox/TextToolsTable.h"
#include "platform/Sound.h"

namespace {

enum class Outcome {
    Unknown,  // not an editbox command
    Done,
    Refused,  // the user hears it
    Ended,  // cancelled by the user, or a failure already reported in a box
};

Outcome Check(bool done) {
    return done ? Outcome::Done : Outcome::Refused;
}

Outcome RunTool(Editbox& editbox, const TextToolEntry& tool) {
    if (!IsEditable(editbox)) return Outcome::Refused;
    return Check(editbox.ApplyTextTool(tool.transform, tool.applyFlags));
}

Outcome RunFileCommand(bool offered, bool (*command)(Editbox&), Editbox& editbox) {
    if (!offered) return Outcome::Refused;
    return command(editbox) ? Outcome::Done : Outcome::Ended;
}

Outcome Run(Editbox& editbox, int32_t command) {
    switch (command) {
        case kCmdEditCut: return Check(editbox.Cut());
        case kCmdEditCopy: return Check(editbox.Copy());
        case kCmdEditPaste: return Check(OffersPaste(editbox) && editbox.Paste());
        case kCmdEditSelectAll:
            editbox.SelectAll();
            return Outcome::Done;
        case kCmdEditUndo: return Check(IsEditable(editbox) && editbox.Undo());
        case kCmdEditRedo: return Check(IsEditable(editbox) && editbox.Redo());
        case kCmdEditOpenFromFile:
            return RunFileCommand(OffersOpenFromFile(editbox), OpenFromFile, editbox);
        case kCmdEditSaveToFile: return RunFileCommand(HasText(editbox), SaveToFile, editbox);
        case kCmdEditFixedPitch:
            if (!OffersFixedPitch(editbox)) return Outcome::Refused;
            editbox.SetFixedPitch(!editbox.IsFixedPitch());
            return Outcome::Done;
        case kCmdEditInsertMode:
            if (!FollowsInsertMode(editbox)) return Outcome::Refused;
            ToggleInsertMode();
            return Outcome::Done;
        case kCmdEditWordWrap:
            if (!OffersWordWrap(editbox)) return Outcome::Refused;
            editbox.SetWordWrap(!editbox.WordWrap());
            return Outcome::Done;
        default: break;
    }
    if (const TextToolEntry* tool = FindTextTool(command)) return RunTool(editbox, *tool);
    return Outcome::Unknown;
}

}  // namespace

bool Editbox::OnCommand(int32_t command) {
    Outcome outcome = Run(*this, command);
    if (outcome == Outcome::Refused) PlayRefusalSound();
    return outcome == Outcome::Done;
}
