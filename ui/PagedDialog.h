// A dialog of several pages chosen from a tree, as the settings editor is: the host
// shows the tree beside the chosen page's controls and ends it with OK or Cancel. A
// page's Dialog is made when it is first visited and keeps the user's edits while the
// paged dialog lives, so moving between pages loses nothing.
#pragma once

#include <vector>

#include "core/String.h"
#include "ui/Dialog.h"

class SettingsEditor;
struct SettingsSection;

struct PagedDialogNode {
    String name;  // what the tree shows
    String path;  // what Page takes; empty for the root
    bool isPage = false;  // false: the node only groups its children
    std::vector<PagedDialogNode> children;
};

class PagedDialog {
public:
    virtual ~PagedDialog() = default;
    virtual String Title() const = 0;
    // The root has no name; its children are the top level of the tree.
    virtual const PagedDialogNode& Tree() const = 0;
    // Null for a path that is not a page.
    virtual Dialog* Page(const String& path) = 0;
    // The page shown first; empty or unknown: the first page of the tree.
    String initialPath;
};

// The first node that is a page at or under `node`, depth first; null for none.
const PagedDialogNode* FirstPage(const PagedDialogNode& node);
// Null when no node has the path (compared ignoring case).
const PagedDialogNode* FindPagedNode(const PagedDialogNode& node, const String& path);

// The settings editor's sections and pages as a paged dialog.
class SettingsEditorPages : public PagedDialog {
public:
    explicit SettingsEditorPages(SettingsEditor& editor);
    String Title() const override { return "Settings"; }
    const PagedDialogNode& Tree() const override { return tree_; }
    Dialog* Page(const String& path) override;

private:
    SettingsEditor& editor_;
    PagedDialogNode tree_;
};
