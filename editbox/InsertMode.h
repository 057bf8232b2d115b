// Insert or overwrite typing is one switch for the whole process: the Ins key pressed
// in any editbox changes how every editbox types. Boxes with kEditboxOverwriteOnly
// ignore it and always overwrite.
#pragma once

class Editbox;

// On when the program starts.
bool IsInsertMode();
void SetInsertMode(bool on);
void ToggleInsertMode();
// Whether this editbox types in insert mode right now.
bool TypesInInsertMode(const Editbox& editbox);
