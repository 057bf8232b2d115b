// Files and folders as the portable code needs them. File (core/File.h) is the one
// user of the handle operations; everything that decides what a failure means to the
// user lives there, so the hosts only report what the system said.
#pragma once

#include <cstdint>

#include "core/DateTime.h"
#include "core/String.h"
#include "platform/Services.h"

// The platform's error kinds, before File turns them into its own codes.
enum class FsError : int32_t {
    kNone = 0,
    kNotFound,
    kPathNotFound,
    kTooManyOpen,
    kAccessDenied,
    kSharingViolation,
    kExists,
    kInvalidParameter,
    kInvalidName,
    kOther,
};

enum class FsDisposition : int32_t {
    kOpenOrCreate = 0,
    kOpenExisting = 1,
    kCreateNew = 2,
    kCreateAlways = 3,
};

enum class FsSeek : int32_t { kBegin = 0, kCurrent = 1, kEnd = 2 };

enum class SpecialFolder : int32_t {
    kCommonProgramFiles,
    kProgramFiles,
    kDocuments,
    kTemp,
};

// One open platform file. Closing is destruction.
class FileHandle {
public:
    virtual ~FileHandle() = default;
    // Reads up to count bytes; *done is what arrived (fewer only at the end).
    virtual bool Read(void* buffer, int32_t count, int32_t* done) = 0;
    virtual bool Write(const void* buffer, int32_t count, int32_t* done) = 0;
    // Returns the new position, or -1.
    virtual int64_t Seek(int64_t offset, FsSeek origin) = 0;
    virtual int64_t Size() = 0;
    virtual bool SetEnd() = 0;
    virtual bool Flush() = 0;
};

class FileSystem {
public:
    static constexpr uint32_t kAccessRead = 1;
    static constexpr uint32_t kAccessWrite = 2;
    static constexpr uint32_t kShareRead = 1;
    static constexpr uint32_t kShareWrite = 2;
    // The attributes word; the only bit the portable code looks at.
    static constexpr uint32_t kAttributeReadOnly = 0x1;
    static constexpr uint32_t kAttributeDirectory = 0x10;
    static constexpr uint32_t kAttributeNormal = 0x80;

    virtual ~FileSystem() = default;

    // Sharing follows the Windows rule on both hosts: an open fails with a sharing
    // violation when it asks for an access that an existing open does not share,
    // or denies sharing of an access that an existing open holds.
    virtual FsError Open(const String& name, FsDisposition disposition, uint32_t access,
                         uint32_t share, uint32_t attributes, FileHandle** handle) = 0;
    // The text the system gives for its most recent failure on this thread.
    virtual String LastErrorText() = 0;

    // -1 when the name does not exist.
    virtual int32_t Attributes(const String& name) = 0;
    virtual bool SetReadOnly(const String& name, bool readOnly) = 0;
    // Local time of the last modification; unset when the name does not exist.
    virtual DateTime LastWriteTime(const String& name) = 0;

    virtual FsError Copy(const String& source, const String& target, bool failIfExists) = 0;
    virtual FsError Remove(const String& name) = 0;
    // Creates the folder and any missing folders above it.
    virtual bool MakeDirectory(const String& path) = 0;
    virtual bool Recycle(const String& name) = 0;
    // Asks the system to delete the file when it next starts; false when it has no
    // such service or refuses.
    virtual bool RemoveAtRestart(const String& name) = 0;
    // True where the restart deletion lives in the system itself rather than in
    // "wininit.ini" (the NT family).
    virtual bool HasNativeRestartRemoval() = 0;
    virtual String WindowsDirectory() = 0;
    // The 8.3 form where the system has one, else the name itself.
    virtual String ShortPath(const String& name) = 0;

    // Empty when the system has none.
    virtual String Folder(SpecialFolder which) = 0;
    // A new, unique, empty file inside the folder; empty on failure.
    virtual String CreateTempFile(const String& folder) = 0;
    virtual String FullPath(const String& name) = 0;
    virtual char PathSeparator() = 0;
};

inline FileSystem& TheFileSystem() { return ServiceSlot<FileSystem>::Get("file system"); }
// The previous one is returned so that tests can wrap and restore it.
inline FileSystem* InstallFileSystem(FileSystem* service) {
    return ServiceSlot<FileSystem>::Install(service);
}
