// The text tools of the editbox menu as plain transformations of a String. The
// editbox runs them through ApplyTextTool, which hands over the selection or the
// whole text (usually with an LF appended so that the last paragraph is complete).
//
// A paragraph is one line with its line break; a line break is CR LF, LF CR, a lone
// CR or a lone LF. Case folding is ASCII only. Each tool returns false to refuse
// (the text is then unchanged); a tool that finds nothing to do returns true and
// leaves the text as it was.
#pragma once

#include "core/String.h"

bool ToUpperCase(String& text);
bool ToLowerCase(String& text);
bool ToggleCase(String& text);
// Every word starts upper case, the rest of it lower case; an apostrophe does not
// start a word ("o'neil's" gives "O'neil's") but a digit does ("3rd" gives "3Rd").
bool ToTitleCase(String& text);
// The first letter of a sentence upper case, the rest lower case. A sentence ends at
// a period followed by white space, or at CR, LF or TAB.
bool ToSentenceCase(String& text);

// Paragraphs in ascending order, letter case folded; a paragraph sorts before the
// ones it is a prefix of. Paragraphs that compare equal keep their order.
bool Alphabetize(String& text);
bool AlphabetizeDescending(String& text);
// Zero bytes end paragraphs too for reversing and shuffling.
bool ReverseParagraphs(String& text);
// Shuffled with the process-wide random source, so a run that has not reseeded it
// gives the same order every time.
bool RandomizeParagraphs(String& text);
// The first occurrence of every paragraph stays; comparison ignores the line break
// but nothing else.
bool DiscardDuplicateParagraphs(String& text);

// Spaces and tabs before every line break go.
bool TrimTrailingSpaces(String& text);
// Runs of spaces become one space, then every ". " becomes ".  ".
bool NormalizeSpaces(String& text);
bool IndentWithTab(String& text);
bool IndentWithSpace(String& text);
// One leading tab or space goes from every paragraph that has one.
bool Unindent(String& text);
// Byte order reversed: a CR LF becomes LF CR, which is still one line break.
bool ReverseCharacters(String& text);
