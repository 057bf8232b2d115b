// The window side of a document, reduced to what the tests watch: a real Editbox,
// counters for the notifications, and a file system whose time stamps a test can
// move as if another program had written the file.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "app/AppIdentity.h"
#include "app/Document.h"
#include "editbox/Editbox.h"
#include "platform/headless/HeadlessAsk.h"
#include "tests/core/FileTestSupport.h"

class TestDocumentHost : public DocumentHost {
public:
    Editbox editbox{1 | kEditboxMultiLine | kEditboxTabs};
    int32_t nameChanges = 0;
    int32_t historyChanges = 0;
    bool canAsk = true;
    int32_t rememberedCaret = -1;
    int32_t restores = 0;

    void DocumentNameChanged() override { ++nameChanges; }
    void FileHistoryChanged() override { ++historyChanges; }
    bool CanAskUser() override { return canAsk; }
    void RememberPosition() override { rememberedCaret = editbox.Caret(); }
    void RestorePosition() override {
        ++restores;
        editbox.SetCaret(rememberedCaret, false);
    }
};

// Time stamps of one file come from the test instead of the disk: writes within the
// same second would otherwise leave the stamp unchanged.
class TouchableFileSystem : public CountingFileSystem {
public:
    void Touch(const String& name, const DateTime& stamp) {
        touched_ = name;
        stamp_ = stamp;
    }
    DateTime LastWriteTime(const String& name) override {
        if (!touched_.IsEmpty() && SameFileName(name, touched_)) return stamp_;
        return CountingFileSystem::LastWriteTime(name);
    }

private:
    String touched_;
    DateTime stamp_;
};

class DocumentTestBase : public testing::Test {
protected:
    void SetUp() override {
        SetAppIdentity(NivoraIdentity());
        TheHeadlessAsk().Reset();
    }
    void TearDown() override { TheHeadlessAsk().Reset(); }

    static const std::vector<AskedQuestion>& Asked() { return TheHeadlessAsk().Asked(); }
    static void Answer(AskButton button) { TheHeadlessAsk().QueueButton(button); }
    static void AnswerText(const String& text) { TheHeadlessAsk().QueueText(text); }
    static void AnswerCancel() { TheHeadlessAsk().QueueCancel(); }

    // True when some other program could open the file for writing right now.
    static bool WritableByOthers(const String& name) {
        File other;
        return other.Open(name, File::kOpenExisting | File::kShareRead | File::kShareWrite |
                                    File::kNoSharingRetry) == kFileOk;
    }
};
