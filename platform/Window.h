// Windows and input: a host realises the portable top-level window (menu bar,
// toolbar, status bar, and a view such as the editbox) and reports what the user does as calls on a
// FrameClient. Nothing here knows which platform draws the window.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/Config.h"
#include "core/String.h"
#include "platform/Services.h"

class Editbox;
class Menu;
class StatusBar;
class Toolbar;
class ViewClient;

// Key codes beyond the character range and modifier bits, shared by every key path.
enum : int32_t {
    kKeyPause = 256, kKeyIns, kKeyDel, kKeyHome, kKeyEnd, kKeyPgUp, kKeyPgDn,
    kKeyUp, kKeyDown, kKeyLeft, kKeyRight, kKeyF1,
    kKeyF12 = kKeyF1 + 11,
};
enum : int32_t { kModShift = 1, kModCtrl = 2, kModAlt = 4 };

// The portable side of a top-level window.
class FrameClient {
public:
    virtual ~FrameClient() = default;
    // The native window exists: attach children, menus and bars now.
    virtual void OnFrameCreated() = 0;
    virtual void OnFrameCommand(int32_t command) = 0;
    // False keeps the window open.
    virtual bool OnFrameQueryClose() = 0;
    virtual void OnFrameActivate(bool active) = 0;
    virtual void OnFrameDestroyed() = 0;
    // True while more idle work is waiting, so the loop keeps calling.
    virtual bool OnFrameIdle() = 0;
    // A menu is about to drop down: bring ticks and enabling up to date.
    virtual void OnMenuOpening() = 0;
    // The highlighted menu command, or 0 when the menu closed.
    virtual void OnMenuHighlight(int32_t command) = 0;
    virtual void OnFilesDropped(const std::vector<String>& fileNames) = 0;
    virtual void OnStatusBarResized() = 0;
    virtual void OnFrameTimer(int32_t id) = 0;
};

class FrameHost {
public:
    virtual ~FrameHost() = default;
    virtual bool Exists() const = 0;
    virtual void Show() = 0;
    virtual bool IsVisible() const = 0;

    // The caption is what the title bar shows; the task-bar title is what stands for
    // the window while it is minimised.
    virtual void SetCaption(const String& caption) = 0;
    virtual String Caption() const = 0;
    virtual void SetTaskBarTitle(const String& title) = 0;
    // Where the window sits when it is neither minimised nor maximised, and how it
    // is shown, so that the next run can put it back; false when the host cannot
    // tell. On a hidden window a placement takes effect when it is shown.
    virtual bool GetPlacement(WindowPlacement& placement) const = 0;
    virtual void SetPlacement(const WindowPlacement& placement) = 0;

    // The models are kept by reference and must outlive the host; after changing
    // one, call its Refresh so the native control follows.
    virtual void SetMenuBar(Menu* bar) = 0;
    virtual void RefreshMenuBar() = 0;
    virtual void SetToolbar(Toolbar* toolbar) = 0;  // null removes it
    virtual void RefreshToolbar() = 0;
    virtual void SetStatusBar(StatusBar* statusBar) = 0;  // null removes it
    virtual void RefreshStatusBar() = 0;
    // Replaces the fields by one line of help while a menu item is highlighted;
    // an empty text brings the fields back.
    virtual void ShowStatusHelp(const String& text) = 0;

    // The view fills the space between the bars and takes the keyboard focus; it
    // replaces the one attached before. The client hears of its view host through
    // SetViewHost, and of null when the view goes.
    virtual void AttachView(ViewClient& view) = 0;
    // The editbox as the view, with what an editbox adds: its context menu.
    virtual void AttachEditbox(Editbox& editbox) = 0;
    virtual void AddShortcut(int32_t key, int32_t modifiers, int32_t command) = 0;
    virtual void AcceptDroppedFiles(bool accept) = 0;

    virtual void PostCommand(int32_t command) = 0;
    virtual void StartTimer(int32_t id, int32_t milliseconds) = 0;
    virtual void StopTimer(int32_t id) = 0;

    // As if the user closed the window: the client's query close decides.
    virtual void Close() = 0;
    // Unconditional; the client hears OnFrameDestroyed.
    virtual void Destroy() = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    virtual bool RegisterFrameClass(const String& className) = 0;
    // Created hidden. The caller calls its client's OnFrameCreated once it holds the
    // host, so creation work can already use it.
    virtual std::unique_ptr<FrameHost> CreateFrame(FrameClient& client, const String& className,
                                                   const String& caption) = 0;
    // Dispatches at most maxCount waiting messages without blocking; returns how many.
    virtual int32_t ProcessPendingMessages(int32_t maxCount) = 0;
    // Runs until the frame is gone or the program is quitting.
    virtual void RunMessageLoop(FrameHost& frame, FrameClient& client) = 0;
    // Makes a blocked loop return to its idle phase.
    virtual void WakeIdle() = 0;
    // Whatever the program was doing, the user must be able to point at a message.
    virtual void ShowArrowCursor() = 0;
    // True puts up the busy cursor over whatever was shown; false brings that back.
    virtual void ShowBusyCursor(bool busy) = 0;
};

inline WindowSystem& TheWindowSystem() { return ServiceSlot<WindowSystem>::Get("window system"); }
inline WindowSystem* InstallWindowSystem(WindowSystem* service) {
    return ServiceSlot<WindowSystem>::Install(service);
}
