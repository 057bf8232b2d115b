// The keys and commands of an editbox as the framework's windows reach them. Every key
// path (the Win32 control, macros replaying keys, tests) comes through EditboxKey. The
// bindings, the command table and the insert-mode switch live with the editbox
// (editbox/Commands.h, editbox/InsertMode.h); here they meet the menu model.
#pragma once

#include <cstdint>

#include "editbox/Commands.h"
#include "editbox/InsertMode.h"

class Editbox;
class Menu;

// A key or a typed character (codes below 256 are characters, letters as typed;
// modifiers Shift 1, Ctrl 2, Alt 4). False when not consumed, so it passes on.
bool EditboxKey(Editbox& editbox, int32_t key, int32_t modifiers);
// False when the command is not an editbox command or was refused.
bool EditboxCommand(Editbox& editbox, int32_t command);
// Appends the entries that apply now, labelled for the current selection.
void BuildEditboxMenu(Editbox& editbox, Menu& menu);
