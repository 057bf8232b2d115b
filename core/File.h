// The framework's one file class: a platform file handle, or an in-memory image of a
// whole file, with the text of its last failure kept for the message the user sees.
#pragma once

#include <cstdint>

#include "core/DateTime.h"
#include "core/String.h"
#include "platform/FileSystem.h"

// Open results. Code 1 is the general failure: its text is whatever the system said,
// which File keeps in LastError().
enum FileError : int32_t {
    kFileOk = 0,
    kFileFailed = 1,
    kFileBadName = 2,
    kFileNotFound = 3,
    kFileNoDirectory = 4,
    kFileLocked = 5,
    kFileNotLoaded = 6,
    kFileNotWritten = 7,
    kFileTooManyOpen = 8,
    kFileBadParameter = 9,
    kFileExists = 10,
    kFileTooManyIndexed = 11,
    kFileAccessDenied = 12,
    kFileReadOnly = 13,
    kFileCorrupted = 14,
    kFileNotDeleted = 15,
    kFileTooLarge = 16,
};

// The fixed text of a code; code 1 and unknown codes give "An unknown error occurred.".
const char* FileErrorText(int32_t code);

class File {
public:
    // Open flags. The low two bits are the disposition.
    static constexpr uint32_t kOpenOrCreate = 0;
    static constexpr uint32_t kOpenExisting = 1;
    static constexpr uint32_t kCreateNew = 2;
    static constexpr uint32_t kCreateAlways = 3;
    static constexpr uint32_t kDispositionMask = 3;
    static constexpr uint32_t kNoRead = 0x8;
    static constexpr uint32_t kNoWrite = 0x10;
    // Failing to open ends the program: for files it cannot run without.
    static constexpr uint32_t kRequired = 0x20;
    static constexpr uint32_t kRetryOnce = 0x40;
    static constexpr uint32_t kMemory = 0x80;
    static constexpr uint32_t kShareRead = 0x100;
    static constexpr uint32_t kShareWrite = 0x200;
    static constexpr uint32_t kSeekToEnd = 0x400;
    // Opens and closes again: tests existence, or creates the file.
    static constexpr uint32_t kTestOnly = 0x800;
    static constexpr uint32_t kNoSharingRetry = 0x1000;
    // Where the name lives (the top three bits). The three "new temporary file"
    // kinds always create or truncate.
    static constexpr uint32_t kNewTempInTempFolder = 0x20000000;
    static constexpr uint32_t kNewTempInFolder = 0x40000000;
    static constexpr uint32_t kNewTempBesideName = 0x80000000;
    static constexpr uint32_t kNameInTempFolder = 0xC0000000;
    static constexpr uint32_t kLocationMask = 0xE0000000;

    // Copy flags.
    static constexpr uint32_t kCopyFailIfExists = 1;
    static constexpr uint32_t kCopyMakeFolder = 2;
    static constexpr uint32_t kCopyRetry = 4;
    // Delete flags.
    static constexpr uint32_t kDeleteKeepReadOnly = 1;
    static constexpr uint32_t kDeleteAtRestart = 2;
    static constexpr uint32_t kDeleteToRecycleBin = 128;

    // Platform writes are issued in pieces of at most this many bytes.
    static constexpr int32_t kWritePiece = 1048576;
    // Open retries on sharing violations, and the pause between them.
    static constexpr int32_t kSharingRetries = 5;
    static constexpr uint32_t kSharingRetryPause = 100;
    static constexpr uint32_t kRetryOncePause = 150;

    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    virtual ~File();

    FileError Open(const String& name, uint32_t flags,
                   uint32_t attributes = FileSystem::kAttributeNormal);
    // False when a changed memory image could not be written back.
    bool Close();
    bool IsOpen() const { return handle_ != nullptr; }
    bool IsMemoryMode() const { return memoryMode_; }

    virtual bool Read(void* buffer, int32_t count);
    virtual bool Write(const void* buffer, int32_t count);
    bool Write(const String& text) { return Write(text.c_str(), text.Length()); }
    virtual bool Seek(int64_t position);
    virtual bool SeekRelative(int64_t delta);
    // -1 when closed.
    virtual int64_t Size();
    virtual int64_t Position();
    bool SetEnd();
    bool Flush();
    // The next byte, or -1 at the end.
    int32_t ReadByte();
    // The whole file from its start.
    bool ReadAll(String& out);

    void SetFlushAfterWrite(bool on) { flushAfterWrite_ = on; }
    const String& Name() const { return name_; }
    const String& LastError() const { return lastError_; }

    // Every CR becomes LF and every LF becomes CR; returns how many bytes changed.
    static int32_t SwapLineBreaks(char* bytes, int32_t count);
    static int32_t SwapLineBreaks(String& text);

    // count String::kToZero means up to the terminating zero.
    static FileError WriteAll(const String& name, const char* bytes, int32_t count);
    static FileError Copy(const String& source, const String& target, uint32_t flags);
    static FileError Delete(const String& name, uint32_t flags);
    // Unset when the file does not exist.
    static DateTime TimeStamp(const String& name);

private:
    FileError Fail(FileError code, uint32_t flags);
    bool ResolveName(const String& name, uint32_t flags, String& resolved, FileError& code);
    bool LoadImage(FileError& code);
    bool WriteImageBack();
    bool WritePieces(const char* bytes, int32_t count);
    bool SetError(const char* text);
    void ResetState();

    FileHandle* handle_ = nullptr;
    String name_;
    String image_;
    int64_t imagePosition_ = 0;
    String lastError_;
    bool memoryMode_ = false;
    bool imageChanged_ = false;
    bool flushAfterWrite_ = false;
    bool readable_ = true;
    bool writable_ = true;
};
