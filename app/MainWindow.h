// The editor's main window: one Editbox holding the document, with the menus, the
// toolbar and the status bar around it. Portable; the platform host draws it.
#pragma once

#include <cstdint>

#include "app/DocumentWindow.h"
#include "editbox/Editbox.h"
#include "ui/Menu.h"
#include "ui/Toolbar.h"

enum : int32_t {
    kCmdRefreshStatusBar = 10078,
    kCmdLockFile = 10081,
    kCmdToolbarShown = 11162,
    kCmdRecordHistory = 11168,
    kCmdFullPathOnCaption = 11169,
    kCmdAbout = 11378,
    kCmdPrintWithDialog = 16000,
    kCmdAssociate = 16001,
    kCmdDisassociate = 16002,
    kCmdPrintDirectly = 16003,
    kCmdRegisterViewSource = 16004,
    kCmdStatusBarShown = 16005,
    kCmdOptionsHelp = 16006,
    kCmdOpenWithForAll = 16007,
    kCmdResizeWindow = 16009,
    // The framework settings editor: all of it, then one command per top-level
    // section in the order the tree has them.
    kCmdSettingsAll = 16100,
    kCmdSettingsSectionFirst = 16101,
    kCmdSettingsSectionEnd = 16140,
};

class MainWindow : public DocumentWindow, public EditboxOwner {
public:
    MainWindow();
    ~MainWindow() override;

    Editbox& GetEditbox() { return editbox_; }
    const Menu& MenuBar() const { return menuBar_; }
    const Toolbar& GetToolbar() const { return toolbar_; }
    const StatusBar& GetStatusBar() const { return statusBar_; }
    bool StatusBarShown() const { return options_.statusBarShown; }
    bool ToolbarShown() const { return options_.toolbarShown; }
    // The file the options are loaded from when the window is created and saved to
    // when it goes. A window without one (a test's, say) keeps its options to itself.
    void SetSettingsFile(const String& file) { settingsFile_ = file; }
    void LoadSettings();
    void SaveSettings();

    // DocumentWindow
    bool QueryClose() override;
    bool Command(int32_t command) override;
    void WindowCreated() override;
    void RememberPosition() override;
    void RestorePosition() override;
    void BuildOptionsMenu(Menu& menu) override;

    // FrameClient
    void OnFrameCommand(int32_t command) override;
    void OnFrameDestroyed() override;
    void OnMenuOpening() override;
    void OnMenuHighlight(int32_t command) override;
    void OnStatusBarResized() override;

    // DocumentHost
    void FileHistoryChanged() override;
    void DocumentNameChanged() override;

    // EditboxOwner
    void EditboxAboutToChange(Editbox& editbox) override;
    void EditboxChanged(Editbox& editbox) override;
    bool EditboxCaretMayNotMove(Editbox& editbox, int32_t newCaret) override;
    void EditboxCaretMoved(Editbox& editbox) override;
    void EditboxFixedPitchToggled(Editbox& editbox) override;

    void RefreshStatusFields();
    void RefreshToolbarEnabling();
    void ShowAbout();
    // The caret line and line count, and the caret column and line length.
    static String StatusFigures(int32_t first, int32_t second);

private:
    void BuildMenus();
    void BuildFileMenu(Menu& menu);
    void BuildToolbar();
    void BuildStatusBar();
    void ApplyStatusBarShown();
    // Runs the settings editor for a command of the Options menu's Settings submenu.
    void EditSettings(int32_t command);

    Editbox editbox_;
    Toolbar toolbar_;
    StatusBar statusBar_;
    String settingsFile_;

    Menu menuBar_;
    int32_t rememberedCaret_ = 0;
    int32_t rememberedTopLine_ = 0;
};
