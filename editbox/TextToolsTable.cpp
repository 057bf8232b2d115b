#include "editbox/TextToolsTable.h"

#include "editbox/Encoders.h"
#include "editbox/TextTools.h"

namespace {

// Paragraph tools work on whole lines and keep the line break they were given.
constexpr int32_t kParagraphs = kToolWholeLines | kToolKeepAddedBreak;

constexpr TextToolEntry kEntries[] = {
    {11475, ToUpperCase, 0, "Convert the selection to upper case (Ctrl+Shift+U)."},
    {11473, ToLowerCase, 0, "Convert the selection to lower case (Ctrl+Shift+L)."},
    {11476, ToggleCase, 0, "Toggle the case of the selected text."},
    {11477, ToTitleCase, 0, "Convert the selection to title case."},
    {11474, ToSentenceCase, 0, "Convert the selection to sentence case."},
    {11245, Alphabetize, kParagraphs, "Alphabetize the paragraphs in the document."},
    {11265, ReverseParagraphs, kParagraphs, "Reverse the order of the selected paragraphs."},
    {11478, RandomizeParagraphs, kParagraphs, "Randomly rearrange all paragraphs."},
    {11470, DiscardDuplicateParagraphs, kToolNeedsMultiLine, "Discard all identical paragraphs."},
    {11479, TrimTrailingSpaces, kParagraphs, "Trim all whitespace from the end of all paragraphs."},
    {11250, NormalizeSpaces, 0, "Reduce multiple spaces into a single space."},
    {11249, IndentWithTab, kToolNeedsTabs | kToolNeedsMultiLine,
     "Indent the selection with a tab."},
    {11256, IndentWithSpace, kToolNeedsMultiLine, "Indent the selection with a space."},
    {11251, Unindent, kToolNeedsMultiLine, "Unindent the selected paragraphs (Shift+Tab)."},
    {11480, ReverseCharacters, kToolNoAddedBreak,
     "Reverse the order of the characters in the selection."},

    {11482, [](String& t) { return Base64Encode(t); }, kToolNoAddedBreak,
     "Encode the selected text into BASE64."},
    {11481, Base64Decode, kToolNoAddedBreak, "Decode the selected text from BASE64."},
    {11484, [](String& t) { return QuotedPrintableEncode(t); }, kToolNoAddedBreak,
     "Encode the selected text into Quoted-Printable."},
    // Text without escapes decodes to itself, and that is no failure.
    {11483, QuotedPrintableDecode, kToolNoAddedBreak | kToolSucceedUnchanged,
     "Decode the selected text from Quoted-Printable."},
    {11496, Utf8Encode, kToolNoAddedBreak, "Encode the selected text into UTF-8."},
    {11493, Utf8Decode, kToolNoAddedBreak, "Decode the selected text from UTF-8."},
    {11486, Utf7Encode, kToolNoAddedBreak, "Encode the selected text into UTF-7."},
    {11485, Utf7Decode, kToolNoAddedBreak, "Decode the selected text from UTF-7."},
    {11488, UuEncode, kToolNoAddedBreak, "Encode the selected text into UUENCODE."},
    {11487, UuDecode, kToolNoAddedBreak, "Decode the selected text from UUENCODE."},
    {11106, HexEncode, kToolNoAddedBreak, "Encode the selected text into ASCII hex."},
    // Hex copied from a dump comes broken into lines and groups.
    {11105, HexDecode, kToolNoAddedBreak | kToolStripWhiteSpace,
     "Decode the selected text from ASCII hex."},
    {11491, [](String& t) { return UrlEncode(t); }, kToolNoAddedBreak,
     "Encode the selected text for URL canonicalization."},
    {11492, UrlDecode, kToolNoAddedBreak, "Decode the selected text from URL canonicalization."},
    {11489, [](String& t) { return HtmlEncode(t); }, kToolNoAddedBreak,
     "Encode the selected text for HTML canonicalization."},
    {11490, HtmlDecode, kToolNoAddedBreak, "Decode the selected text from HTML canonicalization."},
    {11103, [](String& t) { return MimeHeaderDecode(t); }, 0,
     "Decode the selected text from MIME header canonicalization."},
};

}  // namespace

std::span<const TextToolEntry> TextToolEntries() { return kEntries; }

const TextToolEntry* FindTextTool(int command) {
    for (const TextToolEntry& entry : kEntries)
        if (entry.command == command) return &entry;
    return nullptr;
}
