// The Win32 realisation of the portable top-level window: a native frame with a
// menu bar built from the Menu model, a comctl32 toolbar and status bar, and a view
// (the editbox, say) filling the space between them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "platform/Window.h"
#include "platform/win32/Win32Framework.h"

class Win32Frame : public FrameHost, public Win32MessageTarget {
public:
    explicit Win32Frame(FrameClient& client);
    ~Win32Frame() override;
    bool CreateNative(const String& className, const String& caption);
    HWND Handle() const { return window_; }

    bool Exists() const override { return window_ != nullptr; }
    void Show() override;
    bool IsVisible() const override;
    void SetCaption(const String& caption) override;
    String Caption() const override { return caption_; }
    void SetTaskBarTitle(const String& title) override;
    bool GetPlacement(WindowPlacement& placement) const override;
    void SetPlacement(const WindowPlacement& placement) override;
    void SetMenuBar(Menu* bar) override;
    void RefreshMenuBar() override;
    void SetToolbar(Toolbar* toolbar) override;
    void RefreshToolbar() override;
    void SetStatusBar(StatusBar* statusBar) override;
    void RefreshStatusBar() override;
    void ShowStatusHelp(const String& text) override;
    void AttachView(ViewClient& view) override;
    void AttachEditbox(Editbox& editbox) override;
    void AddShortcut(int32_t key, int32_t modifiers, int32_t command) override;
    void AcceptDroppedFiles(bool accept) override;
    void PostCommand(int32_t command) override;
    void StartTimer(int32_t id, int32_t milliseconds) override;
    void StopTimer(int32_t id) override;
    void Close() override;
    void Destroy() override;

    // Called by the message loop for every key press before dispatch.
    bool TranslateShortcut(const MSG& msg);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Shortcut {
        int32_t key, modifiers, command;
    };
    struct PopupPath {
        HMENU handle;
        std::vector<int32_t> path;  // submenu indexes from the menu bar down
    };
    void FillNativeMenu(HMENU handle, const Menu& menu, const std::vector<int32_t>& path);
    void RefillPopup(HMENU popup);
    void BuildToolbar();
    void PlaceView(HWND view);
    void DestroyToolbarImages();
    void BuildStatusBar();
    void SetStatusParts();
    void LayOut();
    void ApplyWindowText();
    bool OnNotify(NMHDR* header, LRESULT& result);

    FrameClient& client_;
    HWND window_ = nullptr;
    HWND toolbarWindow_ = nullptr;
    HIMAGELIST toolbarImages_ = nullptr;  // kept by the frame: the toolbar does not own them
    HIMAGELIST disabledToolbarImages_ = nullptr;
    HWND statusWindow_ = nullptr;
    HWND viewWindow_ = nullptr;
    HMENU menuHandle_ = nullptr;
    Menu* menuBar_ = nullptr;
    Toolbar* toolbar_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    String caption_;
    String taskBarTitle_;
    String tipText_;  // must outlive the tooltip's request for it
    bool minimised_ = false;
    bool showMaximised_ = false;  // a placement given while hidden, for the first Show
    bool statusHelpShown_ = false;
    std::vector<Shortcut> shortcuts_;
    std::vector<PopupPath> popupPaths_;
};

class Win32WindowSystem : public WindowSystem {
public:
    bool RegisterFrameClass(const String& className) override;
    std::unique_ptr<FrameHost> CreateFrame(FrameClient& client, const String& className,
                                           const String& caption) override;
    int32_t ProcessPendingMessages(int32_t maxCount) override;
    void RunMessageLoop(FrameHost& frame, FrameClient& client) override;
    void WakeIdle() override;
    void ShowArrowCursor() override;
    void ShowBusyCursor(bool busy) override;

private:
    HCURSOR cursorBeforeBusy_ = nullptr;
    void Dispatch(MSG& msg);
    std::vector<Win32Frame*> frames_;
    friend class Win32Frame;
};

Win32WindowSystem& TheWin32WindowSystem();
