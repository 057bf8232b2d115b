// The command tests' fixture: an editbox as in EditboxTest, with the process-wide
// insert mode and the scripted answers put back after each test, and a menu sink
// that lists the context menu's entries.
#pragma once

#include <string>
#include <vector>

#include "editbox/Commands.h"
#include "editbox/EditboxTestSupport.h"
#include "editbox/InsertMode.h"
#include "platform/headless/HeadlessAsk.h"

// The context menu's entries in menu order, sub-menus flattened in place; a sub-menu
// that stays empty or is left unbalanced is counted as malformed.
class MenuEntries : public EditboxMenuSink {
public:
    struct Entry {
        std::string label;
        int32_t command;
        bool checked;
    };
    void AddItem(const String& label, int32_t command, bool checked) override {
        entries.push_back({Std(label), command, checked});
        if (!open_.empty()) open_.back() = true;
    }
    void BeginSubmenu(const String&) override { open_.push_back(false); }
    void EndSubmenu() override {
        if (open_.empty() || !open_.back()) ++malformed;
        if (!open_.empty()) open_.pop_back();
        if (!open_.empty()) open_.back() = true;
    }

    const Entry* Find(int32_t command) const {
        for (const Entry& entry : entries)
            if (entry.command == command) return &entry;
        return nullptr;
    }
    // The label of the first entry with the command, or "" when absent.
    std::string LabelOf(int32_t command) const {
        const Entry* entry = Find(command);
        return entry ? entry->label : "";
    }
    bool Has(int32_t command) const { return Find(command) != nullptr; }
    bool Checked(int32_t command) const { return Has(command) && Find(command)->checked; }
    int32_t Malformed() const { return malformed + int32_t(open_.size()); }

    std::vector<Entry> entries;
    int32_t malformed = 0;

private:
    std::vector<bool> open_;  // per open sub-menu: has it an entry yet
};

class CommandsTest : public EditboxTest {
protected:
    void SetUp() override {
        EditboxTest::SetUp();
        SetInsertMode(true);
        TheHeadlessAsk().Reset();
    }
    void TearDown() override {
        SetInsertMode(true);
        TheHeadlessAsk().Reset();
        EditboxTest::TearDown();
    }

    MenuEntries Menu() const {
        MenuEntries menu;
        BuildContextMenu(*box, menu);
        return menu;
    }
    int32_t Beeps() const { return TheHeadlessSound().Count(); }
    const std::vector<AskedQuestion>& Asked() const { return TheHeadlessAsk().Asked(); }
};
