#include "ui/EditboxKeys.h"

#include <vector>

#include "editbox/Editbox.h"
#include "ui/Menu.h"

namespace {

// Builds the editbox's entries into a menu of the framework, sub-menus included.
class MenuBuilder : public EditboxMenuSink {
public:
    explicit MenuBuilder(Menu& root) { open_.push_back(&root); }

    void AddItem(const String& label, int32_t command, bool checked) override {
        open_.back()->Add(label, command).checked = checked;
    }
    void BeginSubmenu(const String& title) override {
        open_.push_back(&open_.back()->AddSubmenu(title));
    }
    void EndSubmenu() override { open_.pop_back(); }

private:
    std::vector<Menu*> open_;  // the innermost sub-menu being filled is last
};

}  // namespace

bool EditboxKey(Editbox& editbox, int32_t key, int32_t modifiers) {
    return editbox.OnKey(key, modifiers);
}

bool EditboxCommand(Editbox& editbox, int32_t command) {
    return editbox.OnCommand(command);
}

void BuildEditboxMenu(Editbox& editbox, Menu& menu) {
    MenuBuilder builder(menu);
    BuildContextMenu(editbox, builder);
}
