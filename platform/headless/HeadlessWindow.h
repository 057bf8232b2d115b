// A window system without windows: frames keep what they were told so tests can
// read captions, menus and status texts, and posted commands wait in a queue that
// the message loop drains.
#pragma once

#include <deque>
#include <vector>

#include "platform/Window.h"

class HeadlessFrame : public FrameHost {
public:
    HeadlessFrame(FrameClient& client, const String& className, const String& caption);
    ~HeadlessFrame() override;

    bool Exists() const override { return exists_; }
    void Show() override { visible_ = true; }
    bool IsVisible() const override { return visible_; }
    void SetCaption(const String& caption) override { caption_ = caption; }
    String Caption() const override { return caption_; }
    void SetTaskBarTitle(const String& title) override { taskBarTitle_ = title; }
    bool GetPlacement(WindowPlacement& placement) const override {
        if (placed_) placement = placement_;
        return placed_;
    }
    void SetPlacement(const WindowPlacement& placement) override {
        placement_ = placement;
        placed_ = true;
    }
    void SetMenuBar(Menu* bar) override { menuBar_ = bar; }
    void RefreshMenuBar() override {}
    void SetToolbar(Toolbar* toolbar) override { toolbar_ = toolbar; }
    void RefreshToolbar() override {}
    void SetStatusBar(StatusBar* statusBar) override { statusBar_ = statusBar; }
    void RefreshStatusBar() override {}
    void ShowStatusHelp(const String& text) override { statusHelp_ = text; }
    void AttachView(ViewClient& view) override {
        view_ = &view;
        editbox_ = nullptr;
    }
    void AttachEditbox(Editbox& editbox) override {
        editbox_ = &editbox;
        view_ = nullptr;
    }
    void AddShortcut(int32_t key, int32_t modifiers, int32_t command) override;
    void AcceptDroppedFiles(bool accept) override { acceptsFiles_ = accept; }
    void PostCommand(int32_t command) override { posted_.push_back(command); }
    void StartTimer(int32_t id, int32_t milliseconds) override;
    void StopTimer(int32_t id) override;
    void Close() override;
    void Destroy() override;

    // What a test inspects.
    const String& ClassName() const { return className_; }
    const String& TaskBarTitle() const { return taskBarTitle_; }
    Menu* MenuBar() const { return menuBar_; }
    Toolbar* ToolbarModel() const { return toolbar_; }
    StatusBar* StatusBarModel() const { return statusBar_; }
    const String& StatusHelp() const { return statusHelp_; }
    // Whichever of the two was attached last; the other is null.
    ViewClient* AttachedView() const { return view_; }
    Editbox* AttachedEditbox() const { return editbox_; }
    bool AcceptsFiles() const { return acceptsFiles_; }
    struct Shortcut {
        int32_t key, modifiers, command;
    };
    const std::vector<Shortcut>& Shortcuts() const { return shortcuts_; }
    struct Timer {
        int32_t id, milliseconds;
    };
    const std::vector<Timer>& Timers() const { return timers_; }
    std::deque<int32_t>& Posted() { return posted_; }
    // Delivers one posted command; false when none was waiting.
    bool DispatchOne();
    FrameClient& Client() { return client_; }

private:
    FrameClient& client_;
    String className_;
    String caption_;
    String taskBarTitle_;
    String statusHelp_;
    Menu* menuBar_ = nullptr;
    Toolbar* toolbar_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    ViewClient* view_ = nullptr;
    Editbox* editbox_ = nullptr;
    bool exists_ = true;
    bool visible_ = false;
    bool acceptsFiles_ = false;
    WindowPlacement placement_;
    bool placed_ = false;
    std::vector<Shortcut> shortcuts_;
    std::vector<Timer> timers_;
    std::deque<int32_t> posted_;
};

class HeadlessWindowSystem : public WindowSystem {
public:
    bool RegisterFrameClass(const String& className) override;
    std::unique_ptr<FrameHost> CreateFrame(FrameClient& client, const String& className,
                                           const String& caption) override;
    int32_t ProcessPendingMessages(int32_t maxCount) override;
    void RunMessageLoop(FrameHost& frame, FrameClient& client) override;
    void WakeIdle() override { ++wakeUps_; }
    void ShowArrowCursor() override { arrowCursorShown_ = true; }
    bool ArrowCursorShown() const { return arrowCursorShown_; }
    void ShowBusyCursor(bool busy) override { busyCursorCalls_.push_back(busy); }
    // Every ShowBusyCursor argument since the last Reset, in order.
    const std::vector<bool>& BusyCursorCalls() const { return busyCursorCalls_; }

    // Registration fails for this name, to exercise the fatal path.
    void RefuseClass(const String& className) { refusedClass_ = className; }
    const std::vector<String>& RegisteredClasses() const { return registered_; }
    HeadlessFrame* LastFrame() const { return lastFrame_; }
    int32_t WakeUps() const { return wakeUps_; }
    // Called once per turn of the message loop with no message waiting, before the
    // loop gives up; a test uses it to play the user (post commands, close).
    void SetUserScript(void (*script)(HeadlessFrame&, int32_t turn)) { userScript_ = script; }
    void Reset();

private:
    friend class HeadlessFrame;
    std::vector<String> registered_;
    String refusedClass_;
    std::vector<HeadlessFrame*> frames_;
    HeadlessFrame* lastFrame_ = nullptr;
    int32_t wakeUps_ = 0;
    bool arrowCursorShown_ = false;
    std::vector<bool> busyCursorCalls_;
    void (*userScript_)(HeadlessFrame&, int32_t) = nullptr;
};

HeadlessWindowSystem& TheHeadlessWindowSystem();
