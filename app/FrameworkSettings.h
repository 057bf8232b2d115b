// The framework settings table meets the parts that keep their own copy of a setting:
// the editboxes and the sound switch. The table is the one kept in "corvane.ini"; the
// copies follow it whenever it is loaded or edited.
#pragma once

// The table with its defaults, then what "corvane.ini" holds, handed on.
void StartFrameworkSettings();
// Copies the table's current values into the editbox settings and the sound switch.
// Editboxes already showing pick up fonts and tab distances in RefreshSettings.
void ApplyFrameworkSettings();
// Keeps the table in "corvane.ini" at shutdown.
void StopFrameworkSettings();
