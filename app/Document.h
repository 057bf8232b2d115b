// The main window's one document: its file, the text it was loaded with, the lock
// that keeps other programs out while it is edited, the check for changes made
// behind the editor's back, and the list of recently closed documents. The text
// itself lives in the window's Editbox; "modified" is never a flag, only a
// comparison of that text with the text as last loaded or saved.
#pragma once

#include <cstdint>

#include "app/FileHistory.h"
#include "core/DateTime.h"
#include "core/File.h"
#include "core/String.h"

class Editbox;
class Menu;

// The File menu's history entries, most recent first.
enum : int32_t {
    kCmdFileHistoryFirst = 15200,
    kCmdFileHistoryEnd = kCmdFileHistoryFirst + FileHistory::kMaxEntries,
};

// What the document needs from the window around it.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    // The file name or the open state changed: the caption follows.
    virtual void DocumentNameChanged() = 0;
    virtual void FileHistoryChanged() = 0;
    // False while the window cannot put a question in front of the user (hidden,
    // say); the external-change question then waits for the next activation.
    virtual bool CanAskUser() = 0;
    // Around a reload, so the user keeps their place in the text.
    virtual void RememberPosition() = 0;
    virtual void RestorePosition() = 0;
};

// The document's options and remembered names, exchanged with the settings.
struct DocumentSettings {
    bool lockFile = false;
    bool detectChanges = true;
    bool recordHistory = true;
    bool autoOpen = false;
    String lastDocument;
    String lastDirectory;
};

class Document {
public:
    // The editbox that shows the text may come later, from a window that builds it
    // after the document; nothing that touches the text may run before then.
    explicit Document(DocumentHost& host, Editbox* editbox = nullptr);
    void SetEditbox(Editbox* editbox) { editbox_ = editbox; }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // --- Commands ---------------------------------------------------------------
    bool New();
    // The Open dialog, then query close and load.
    bool Open();
    // An untitled document goes through SaveAs.
    bool Save();
    bool SaveAs();
    bool Close();
    // Only while auto open is on and a last document is known.
    bool OpenLast();
    bool OpenHistoryEntry(int32_t index);
    // An empty document without a name, replacing whatever was open without asking.
    void StartUntitled();
    // The window's editbox is about to change; with no document open, the change
    // starts an untitled one around the text.
    void TextAboutToChange();

    // Asks about unsaved changes (Save As for an untitled document) and, unless the
    // user cancels or the save fails, closes the document. False keeps it open.
    bool QueryClose();
    // Closes without asking: the name goes into the history.
    void CloseDocument();

    // Load by name, then the caret to `caretOffset`. This is the path of the
    // command line, dropped files, the history and reloads.
    bool OpenByName(const String& name, int32_t caretOffset = 0);
    // The load itself. The previous document's question comes only after the new
    // file has been read, so a file that cannot be read costs the user nothing.
    bool LoadByName(const String& name);
    // Writes the editbox text to `name` as it is: no byte-order mark, no line
    // break conversion. Reports its own failure.
    bool SaveTo(const String& name);
    // Called when the window becomes active.
    void CheckExternalChange();
    bool Reload();

    // Options, applied after their flag in Settings() has changed.
    void ApplyLockFile();
    void ApplyDetectChanges();
    // Either way the list starts empty.
    void ApplyRecordHistory();

    // The history entries for the File menu (nothing when the list is empty).
    void AddHistoryItems(Menu& menu) const;

    // --- State --------------------------------------------------------------------
    bool IsOpen() const { return open_; }
    bool IsModified() const;
    bool IsLoading() const { return loading_; }
    const String& FileName() const { return fileName_; }
    // Ends in a path separator when not empty.
    const String& Directory() const { return directory_; }
    const String& SavedText() const { return savedText_; }
    const File& LockFile() const { return lockFile_; }
    // Unset when not known.
    const DateTime& TimeStamp() const { return timeStamp_; }
    DocumentSettings& Settings() { return settings_; }
    const DocumentSettings& Settings() const { return settings_; }
    FileHistory& History() { return history_; }
    const FileHistory& History() const { return history_; }

    // Names in the history and in the caption are full paths.
    static String FullName(const String& name);
    // The folder part of a path, with its trailing separator.
    static String DirectoryOf(const String& name);
    // Where the file dialogs start when nothing has been opened yet.
    static String DefaultLastDirectory();

private:
    void SetFileName(const String& name);
    void AddToHistory(const String& name);
    // Opens the lock with read and write access, sharing only reading.
    bool OpenLock(const String& name);
    // After a load that did not happen: the lock goes back to the current document.
    void RelockCurrent();
    String DialogFolder() const;
    Editbox& Box() const;
    void BecomeUntitled();
    // The document's own text replacements: each leaves an empty undo history, and
    // none counts as the user's change.
    void ReplaceText(const String& text);
    void TakeIntoBox(String& text);

    DocumentHost& host_;
    Editbox* editbox_;
    String fileName_;
    String directory_;
    String savedText_;
    // Where the last save went, so a load can tell that the save it caused wrote the
    // very file it had already read.
    String lastSavedName_;
    File lockFile_;
    DateTime timeStamp_;
    DocumentSettings settings_;
    FileHistory history_;
    bool open_ = false;
    bool loading_ = false;
    bool changeCheckInProgress_ = false;
    bool replacingText_ = false;
};

// A file that starts with the 16-bit little-endian marker: drops the marker and
// keeps the low byte of every unit.
void ConvertUnicodeToBytes(String& text);
bool HasUnicodeMarker(const String& text);
// Removes a leading UTF-8 signature; true when there was one.
bool StripUtf8Signature(String& text);
