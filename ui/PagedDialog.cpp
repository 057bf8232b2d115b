#include "ui/PagedDialog.h"

#include "ui/SettingsEditor.h"

namespace {

PagedDialogNode NodeOf(const SettingsSection& section) {
    PagedDialogNode node;
    node.name = section.name;
    node.path = section.path;
    node.isPage = section.IsPage();
    for (const SettingsSection& child : section.children) node.children.push_back(NodeOf(child));
    return node;
}

}  // namespace

const PagedDialogNode* FirstPage(const PagedDialogNode& node) {
    if (node.isPage) return &node;
    for (const PagedDialogNode& child : node.children) {
        if (const PagedDialogNode* page = FirstPage(child)) return page;
    }
    return nullptr;
}

const PagedDialogNode* FindPagedNode(const PagedDialogNode& node, const String& path) {
    if (node.path.Compare(path, false) == 0) return &node;
    for (const PagedDialogNode& child : node.children) {
        if (const PagedDialogNode* found = FindPagedNode(child, path)) return found;
    }
    return nullptr;
}

SettingsEditorPages::SettingsEditorPages(SettingsEditor& editor) : editor_(editor), tree_(NodeOf(editor.Tree())) {}

Dialog* SettingsEditorPages::Page(const String& path) {
    SettingsPage* page = editor_.Page(path);
    return page ? &page->Controls() : nullptr;
}
