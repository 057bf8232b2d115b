// The command tests' fixture: an editbox as in EditboxTest, with the process-wide
// insert mode and the scripted answers put back after each test, and a menu sink
// that writes the menu out as lines.
#pragma once

#include <string>
#include <vector>

#include "editbox/Commands.h"
#include "editbox/EditboxTestSupport.h"
#include "editbox/InsertMode.h"
#include "platform/headless/HeadlessAsk.h"

// One line per entry: sub-menus as "Title >" with their entries indented by two
// spaces, ticked entries ending in " [x]", every entry with its command after '='.
class MenuLines : public EditboxMenuSink {
public:
    void AddItem(const String& label, int32_t command, bool checked) override {
        lines.push_back(Indent() + Str(label) + (checked ? " [x]" : "") + " =" +
                        std::to_string(command));
    }
    void BeginSubmenu(const String& title) override {
        lines.push_back(Indent() + Str(title) + " >");
        ++depth_;
    }
    void EndSubmenu() override { --depth_; }

    // The label of the first entry with the command, or "" when absent.
    std::string LabelOf(int32_t command) const {
        std::string tail = " =" + std::to_string(command);
        for (const std::string& line : lines) {
            if (line.size() <= tail.size() ||
                line.compare(line.size() - tail.size(), tail.size(), tail) != 0)
                continue;
            size_t start = line.find_first_not_of(' ');
            return line.substr(start, line.size() - tail.size() - start);
        }
        return "";
    }
    bool Has(int32_t command) const { return !LabelOf(command).empty(); }

    std::vector<std::string> lines;

private:
    std::string Indent() const { return std::string(size_t(depth_) * 2, ' '); }
    int depth_ = 0;
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

    MenuLines Menu() const {
        MenuLines menu;
        BuildContextMenu(*box, menu);
        return menu;
    }
    int32_t Beeps() const { return TheHeadlessSound().Count(); }
    const std::vector<AskedQuestion>& Asked() const { return TheHeadlessAsk().Asked(); }
};
