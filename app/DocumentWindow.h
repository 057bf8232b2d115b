// The framework's single-document window: one document, its name on the caption,
// and the question before it is thrown away. The document itself (its file, lock,
// history) and the remembered options are components the window owns; the derived
// window supplies the editbox that holds the text.
#pragma once

#include <cstdint>
#include <memory>

#include "app/Document.h"
#include "app/Options.h"
#include "core/String.h"
#include "platform/Window.h"

class Menu;

// Framework and document commands handled here.
enum : int32_t {
    kCmdExit = 11140,
    kCmdNewDocument = 11373,
    kCmdOpenDocument = 11374,
    kCmdSaveDocument = 11375,
    kCmdSaveDocumentAs = 11158,
    kCmdCloseDocument = 11376,
    kCmdOpenLastDocument = 11178,
    kCmdDetectChanges = 16008,
};

class DocumentWindow : public FrameClient, public DocumentHost {
public:
    explicit DocumentWindow(const String& productName);
    ~DocumentWindow() override;

    // Creates the platform window hidden, captioned with the product name.
    bool Create(const String& className);
    FrameHost* Host() const { return host_.get(); }

    // The overridable operations, in the order the framework calls them by.
    virtual bool QueryClose();
    virtual void Activate(bool becomingActive);
    // True when the command was handled.
    virtual bool Command(int32_t command);
    virtual void WindowCreated();
    virtual bool IsModified() const;
    virtual bool Load(const String& fileName);
    virtual bool Save(const String& fileName);
    virtual void UpdateTaskBarTitle();
    void RememberPosition() override;
    void RestorePosition() override;
    virtual void BuildOptionsMenu(Menu& menu);

    // An empty name starts an untitled document, unless one is already open (the
    // last document, reopened while the window was created).
    bool OpenDocument(const String& fileName);
    void CloseDocument();
    void UpdateCaption();
    String CaptionText() const;

    const String& FileName() const { return document_.FileName(); }
    const String& Directory() const { return document_.Directory(); }
    const String& LastDocument() const { return document_.Settings().lastDocument; }
    const String& ProductName() const { return productName_; }
    bool IsDocumentOpen() const { return document_.IsOpen(); }
    bool FullPathOnCaption() const { return options_.fullPath; }
    void SetFullPathOnCaption(bool on);
    Document& GetDocument() { return document_; }
    const Document& GetDocument() const { return document_; }
    Options& GetOptions() { return options_; }
    const Options& GetOptions() const { return options_; }

    // DocumentHost
    void DocumentNameChanged() override;
    // The framework window lists no history of its own.
    void FileHistoryChanged() override {}
    bool CanAskUser() override;

    // FrameClient
    void OnFrameCreated() override;
    void OnFrameCommand(int32_t command) override;
    bool OnFrameQueryClose() override;
    void OnFrameActivate(bool active) override;
    void OnFrameDestroyed() override;
    bool OnFrameIdle() override;
    void OnMenuOpening() override;
    void OnMenuHighlight(int32_t command) override;
    void OnFilesDropped(const std::vector<String>& fileNames) override;
    void OnStatusBarResized() override;
    void OnFrameTimer(int32_t id) override;

protected:
    String productName_;
    Document document_;
    Options options_;

private:
    std::unique_ptr<FrameHost> host_;
};

// The document's name without directory and extension, each word capitalised.
String TaskBarName(const String& fullPath);
// The last part of a path, after the last backslash or slash.
String FileNamePart(const String& fullPath);
