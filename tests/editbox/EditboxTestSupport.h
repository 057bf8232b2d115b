// A host and an owner that record what an editbox asks of them, and a fixture that
// builds editboxes on the headless fonts with the settings put back after each test.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editbox/Editbox.h"
#include "editbox/EditboxSettings.h"
#include "platform/headless/HeadlessClipboard.h"
#include "platform/headless/HeadlessFont.h"
#include "platform/headless/HeadlessSound.h"
#include "platform/headless/HeadlessSurface.h"
#include "TestStrings.h"

class RecordingHost : public ViewHost, public EditboxHost {
public:
    void InvalidateAll() override { ++invalidations; }
    void InvalidateArea(const Rect&) override { ++invalidations; }
    void ScrollStateChanged() override { ++scrollNotices; }
    void PlaceCaret(int32_t x, int32_t y, int32_t width, int32_t height) override {
        caret = Rect{x, y, x + width, y + height};
    }
    void SetCursor(ViewCursor shape) override { cursor = shape; }
    void CaptureMouse(bool on) override { captured = on; }
    int32_t DragText(const String& text, int32_t allowed) override {
        dragged.push_back(Std(text));
        dragAllowed = allowed;
        return onDrag ? onDrag(text) : 0;
    }
    void ChildAboutToChange() override { log.push_back("host about to change"); }
    void ChildChanged() override { log.push_back("host changed"); }
    void FeatureButtonsChanged() override { ++featureNotices; }

    int32_t invalidations = 0;
    int32_t dragAllowed = 0;
    int32_t scrollNotices = 0;
    int32_t featureNotices = 0;
    Rect caret;
    ViewCursor cursor = ViewCursor::Arrow;
    bool captured = false;
    std::vector<std::string> log;
    std::vector<std::string> dragged;
    // Runs inside the modal drag, as the platform's drag loop would.
    std::function<int32_t(const String&)> onDrag;
};

class RecordingOwner : public EditboxOwner {
public:
    void EditboxAboutToChange(Editbox& editbox) override {
        log.push_back("about to change");
        undoCountAtAboutToChange = editbox.UndoCount();
    }
    void EditboxChanged(Editbox&) override { log.push_back("changed"); }
    bool EditboxCaretMayNotMove(Editbox&, int32_t newCaret) override {
        log.push_back("caret may move");
        return veto && veto(newCaret);
    }
    void EditboxCaretMoved(Editbox&) override { log.push_back("caret moved"); }
    void EditboxFixedPitchToggled(Editbox&) override { log.push_back("fixed pitch"); }

    std::vector<std::string> log;
    std::function<bool(int32_t)> veto;
    int32_t undoCountAtAboutToChange = -1;
};

class EditboxTest : public testing::Test {
protected:
    static constexpr int32_t kMultiLine = 1 | kEditboxMultiLine | kEditboxTabs;
    // A monospace view 40 characters wide and 10 lines high (8 x 16 pixel cells):
    // text area = width - 2 margins - the caret.
    static constexpr int32_t kWidth = 40 * 8 + 2 * Editbox::kTextMargin + 2;
    static constexpr int32_t kHeight = 10 * 16;

    void SetUp() override {
        saved_ = TheEditboxSettings();
        TheHeadlessClipboard().Empty();
        TheHeadlessClipboard().SetFailing(false);
        TheHeadlessSound().Reset();
    }
    void TearDown() override {
        box.reset();
        TheEditboxSettings() = saved_;
    }

    // A box on the monospace font, shown in a window of the standard size.
    Editbox& Make(int32_t style = kMultiLine, const char* text = "") {
        box = std::make_unique<Editbox>(style);
        box->SetFonts(std::make_unique<HeadlessMonospaceFont>(),
                      std::make_unique<HeadlessMonospaceFont>());
        box->SetViewHost(&host);
        box->SetHost(&host);
        box->OnSize(kWidth, kHeight);
        box->OnFocus(true);
        box->SetText(text);
        box->SetOwner(&owner);
        return *box;
    }

    std::string Text() const { return Std(box->Text()); }

    RecordingHost host;
    RecordingOwner owner;
    std::unique_ptr<Editbox> box;

private:
    EditboxSettings saved_;
};
