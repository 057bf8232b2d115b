// When a command is offered. The menu shows an entry and the command runs under the
// same condition, so that a key or a stale menu cannot do what the menu would not
// have offered.
#pragma once

#include "editbox/Commands.h"
#include "editbox/Editbox.h"

inline bool HasText(const Editbox& e) { return e.GetTextLength() > 0; }
inline bool IsEditable(const Editbox& e) { return !e.IsReadOnly(); }
inline bool OffersPaste(const Editbox& e) {
    return IsEditable(e) && !(e.Style() & kEditboxNoPaste);
}
inline bool OffersOpenFromFile(const Editbox& e) {
    return e.IsMultiLine() && IsEditable(e) && !(e.Style() & kEditboxNoOpenFromFile);
}
inline bool OffersFixedPitch(const Editbox& e) {
    return !(e.Style() & kEditboxNoFixedPitchEntry);
}
// Boxes that always overwrite have no say in the process-wide mode.
inline bool FollowsInsertMode(const Editbox& e) {
    return IsEditable(e) && !(e.Style() & kEditboxOverwriteOnly);
}
inline bool OffersWordWrap(const Editbox& e) {
    return e.IsMultiLine() && !(e.Style() & kEditboxNoWordWrapEntry);
}
