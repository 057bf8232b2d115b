// The framework's single-document window: one document, its name on the caption,
// and the question before it is thrown away. Loading and saving are the derived
// window's business.
#pragma once

#include <cstdint>
#include <memory>

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

struct DocumentTimeStamp {
    bool set = false;
    int64_t value = 0;  // the file's last-write time as the platform reports it
};

class DocumentWindow : public FrameClient {
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
    virtual void DocumentClosed();
    virtual void RememberPosition();
    virtual void RestorePosition();
    virtual void BuildOptionsMenu(Menu& menu);

    // An empty name starts an untitled document.
    bool OpenDocument(const String& fileName);
    void CloseDocument();
    void UpdateCaption();
    String CaptionText() const;

    const String& FileName() const { return fileName_; }
    const String& Directory() const { return directory_; }
    const String& LastDocument() const { return lastDocument_; }
    const String& ProductName() const { return productName_; }
    bool IsDocumentOpen() const { return documentOpen_; }
    bool FullPathOnCaption() const { return fullPathOnCaption_; }
    void SetFullPathOnCaption(bool on);
    void SetLastDocument(const String& name) { lastDocument_ = name; }

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
    // Sets the name and directory fields from a full path.
    void SetFileName(const String& fullPath);

    String fileName_;
    String directory_;  // ends in a backslash when not empty
    String lastDocument_;
    String productName_;
    String lastDirectory_;
    bool documentOpen_ = false;
    bool autoOpen_ = false;
    bool recordHistory_ = true;
    bool fullPathOnCaption_ = false;
    bool detectChanges_ = true;
    bool changeCheckInProgress_ = false;
    DocumentTimeStamp timeStamp_;

private:
    std::unique_ptr<FrameHost> host_;
};

// The document's name without directory and extension, each word capitalised.
String TaskBarName(const String& fullPath);
// The last part of a path, after the last backslash or slash.
String FileNamePart(const String& fullPath);
