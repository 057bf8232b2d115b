// The settings editor without a window system: the tree of sections the framework
// settings are filed under, one Dialog per page made of its settings' layout texts in
// table order, and the exchange between those controls and the settings. A host shows
// the tree and realises a page's Dialog; the user's edits stay on the pages until
// Apply, so closing the editor without it (Cancel) leaves every setting as it was.
//
// Which control carries a setting's value: the first control its layout text makes
// that is not a static text, a divider or a push button (a checkbox setting is its
// checkbox, a numeric one its editbox, a choice its combobox); the page header has
// none. A glyph chooser carries its glyph number as its text.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/String.h"
#include "core/Var.h"
#include "ui/Dialog.h"

class DialogResources;

// One node of the tree. Children come in the order the table first names them, so
// the tree reads as the table was laid out ("Controls" before "Windows"). A node whose
// own settings list is empty only groups its children.
struct SettingsSection {
    String name;  // this part of the path, "Editboxes"
    String path;  // the whole path, "Controls\\Editboxes"; empty for the root
    std::vector<int32_t> settings;  // its own settings, in table order
    std::vector<SettingsSection> children;

    bool IsPage() const { return !settings.empty(); }
};

// The root has no name; its children are the top-level sections.
SettingsSection BuildSettingsTree();
// Null when no node has the path (compared ignoring case).
const SettingsSection* FindSettingsSection(const SettingsSection& root, const String& path);

// What one setting's layout text made on its page.
struct SettingsPageEntry {
    int32_t setting = -1;
    int32_t firstControl = 0;
    int32_t controlCount = 0;
    int32_t valueControl = -1;  // -1 for the page header
};

// How a setting's value control reads when it holds `value` (checkboxes "1" and "0",
// numbers in their stored form, texts as they are).
String SettingValueText(const Var& value);

class SettingsPage {
public:
    // Builds the page of the section's own settings and loads their current values.
    // A layout text that does not parse is a broken table: fatal, naming the setting
    // and the parser's message.
    SettingsPage(const String& section, DialogResources& resources);

    const String& Section() const { return section_; }
    Dialog& Controls() { return dialog_; }
    const Dialog& Controls() const { return dialog_; }
    const std::vector<SettingsPageEntry>& Entries() const { return entries_; }
    // Null when the setting is not on this page.
    const SettingsPageEntry* EntryOf(int32_t setting) const;

    // Puts every setting's current value into its value control, then brings the
    // dependent controls up to date. A value a combobox cannot show (a face that is
    // not installed) leaves the combobox as it was, and the setting unchanged unless
    // the user picks something.
    void Load();

    // The settings whose value controls the user has changed since the last Load.
    std::vector<int32_t> Changed() const;
    // The value the setting's control gives, in the setting's own type: numbers are
    // brought into the editbox's increment range and a ranged setting's limits. False
    // when the control holds no value of that type (an empty or non-numeric number
    // field), or the setting is not on this page.
    bool ReadValue(int32_t setting, Var& value) const;

private:
    String section_;
    Dialog dialog_;
    std::vector<SettingsPageEntry> entries_;
    std::vector<String> loaded_;  // each entry's value control as Load left it
};

// What the program does when settings change (re-applies fonts, gaps, sound).
class SettingsListener {
public:
    virtual ~SettingsListener() = default;
    // The indexes in table order; only settings whose value really changed.
    virtual void SettingsChanged(const std::vector<int32_t>& indexes) = 0;
};

void AddSettingsListener(SettingsListener* listener);
void RemoveSettingsListener(SettingsListener* listener);

class SettingsEditor {
public:
    explicit SettingsEditor(DialogResources& resources);
    // With the installed DialogResources.
    SettingsEditor();

    const SettingsSection& Tree() const { return tree_; }
    // Built on first visit and kept, with the user's edits, while the editor lives;
    // null for a path that has no settings of its own.
    SettingsPage* Page(const String& path);

    // The settings the user changed on the pages visited so far whose controls do not
    // read as a value (see ReadValue); OK leaves them as they are.
    std::vector<int32_t> Unreadable() const;

    // OK: every changed setting that reads takes its new value and is written to the
    // settings file (empty: "corvane.ini" in the framework's folder), the listeners
    // hear the indexes, and the visited pages reload. False when a write failed; the
    // settings keep their new values then.
    bool Apply(const String& file = String());

private:
    DialogResources& resources_;
    SettingsSection tree_;
    std::vector<std::unique_ptr<SettingsPage>> pages_;
};
