#include "editbox/InsertMode.h"

#include "editbox/Editbox.h"

namespace {
bool insertMode = true;
}

bool IsInsertMode() {
    return insertMode;
}

void SetInsertMode(bool on) {
    insertMode = on;
}

void ToggleInsertMode() {
    insertMode = !insertMode;
}

bool TypesInInsertMode(const Editbox& editbox) {
    return insertMode && (editbox.Style() & kEditboxOverwriteOnly) == 0;
}
