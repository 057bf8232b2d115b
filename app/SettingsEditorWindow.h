// The framework settings editor as the Options menu opens it: the whole tree, or one
// top-level section of it, in a paged dialog; OK writes the changed settings to
// "corvane.ini" and hands them on to the parts that keep copies of them.
#pragma once

#include "core/String.h"

// Opens the editor at the first page at or under `section` (empty: the first page of
// all). True when OK changed settings; the caller refreshes what shows them.
bool RunSettingsEditor(const String& section);
