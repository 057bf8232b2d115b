// Shared by the file and configuration tests: a scratch folder on whichever file
// system is installed, and wrappers around the file system and the clock that count
// what File asks of them and can make the platform fail on demand.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "core/File.h"
#include "core/String.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "TestStrings.h"

class TestFolder {
public:
    TestFolder() {
        static int32_t serial = 0;
        FileSystem& fs = TheFileSystem();
        path_ = fs.Folder(SpecialFolder::kTemp);
        path_.Append(fs.PathSeparator());
        path_.Append(String::Formatted("nivora-test-%u-%d", TheClock().TickCount(), ++serial));
        fs.MakeDirectory(path_);
    }
    ~TestFolder() {
        for (const String& name : created_) File::Delete(name, 0);
    }
    const String& Path() const { return path_; }
    // A name inside the folder; the file, if made, is deleted with the folder.
    String Name(const char* leaf) {
        String name = path_;
        name.Append(TheFileSystem().PathSeparator());
        name.Append(leaf);
        created_.push_back(name);
        return name;
    }
    String Make(const char* leaf, const String& contents) {
        String name = Name(leaf);
        File::WriteAll(name, contents.c_str(), contents.Length());
        return name;
    }

private:
    String path_;
    std::vector<String> created_;
};

inline String ReadBack(const String& name) {
    File file;
    String text;
    if (file.Open(name, File::kOpenExisting | File::kShareRead | File::kNoWrite) != kFileOk ||
        !file.ReadAll(text)) {
        return String("<unreadable>");
    }
    return text;
}

// Passes everything on to the file system it wraps, counting as it goes. A planted
// failure replaces the next calls' results.
class CountingFileSystem : public FileSystem {
public:
    CountingFileSystem() : inner_(&TheFileSystem()) { InstallFileSystem(this); }
    ~CountingFileSystem() override { InstallFileSystem(inner_); }

    int32_t opens = 0;
    int32_t flushes = 0;
    int32_t copies = 0;
    std::vector<int32_t> writes;
    // Opens that fail with this error before the real one runs.
    int32_t failOpens = 0;
    FsError openFailure = FsError::kSharingViolation;
    int32_t failCopies = 0;
    // Writes take only this many bytes, or fail when negative (0: no planting).
    int32_t shortWrite = 0;

    FsError Open(const String& name, FsDisposition disposition, uint32_t access, uint32_t share,
                 uint32_t attributes, FileHandle** handle) override {
        opens++;
        if (failOpens > 0) {
            failOpens--;
            *handle = nullptr;
            return openFailure;
        }
        FileHandle* real = nullptr;
        FsError error = inner_->Open(name, disposition, access, share, attributes, &real);
        *handle = real ? new Counted(this, real) : nullptr;
        return error;
    }
    String LastErrorText() override {
        return planted_ ? String("planted failure") : inner_->LastErrorText();
    }
    int32_t Attributes(const String& n) override { return inner_->Attributes(n); }
    bool SetReadOnly(const String& n, bool r) override { return inner_->SetReadOnly(n, r); }
    DateTime LastWriteTime(const String& n) override { return inner_->LastWriteTime(n); }
    FsError Copy(const String& s, const String& t, bool f) override {
        copies++;
        if (failCopies > 0) {
            failCopies--;
            return FsError::kSharingViolation;
        }
        return inner_->Copy(s, t, f);
    }
    FsError Remove(const String& n) override { return inner_->Remove(n); }
    bool MakeDirectory(const String& p) override { return inner_->MakeDirectory(p); }
    bool Recycle(const String& n) override { return inner_->Recycle(n); }
    bool RemoveAtRestart(const String& n) override { return inner_->RemoveAtRestart(n); }
    bool HasNativeRestartRemoval() override { return inner_->HasNativeRestartRemoval(); }
    String WindowsDirectory() override { return inner_->WindowsDirectory(); }
    String ShortPath(const String& n) override { return inner_->ShortPath(n); }
    String Folder(SpecialFolder w) override { return inner_->Folder(w); }
    String CreateTempFile(const String& f) override { return inner_->CreateTempFile(f); }
    String FullPath(const String& n) override { return inner_->FullPath(n); }
    char PathSeparator() override { return inner_->PathSeparator(); }

private:
    class Counted : public FileHandle {
    public:
        Counted(CountingFileSystem* owner, FileHandle* real) : owner_(owner), real_(real) {}
        ~Counted() override { delete real_; }
        bool Read(void* b, int32_t c, int32_t* d) override { return real_->Read(b, c, d); }
        bool Write(const void* b, int32_t c, int32_t* d) override {
            owner_->writes.push_back(c);
            if (owner_->shortWrite < 0) {
                owner_->planted_ = true;
                *d = 0;
                return false;
            }
            if (owner_->shortWrite > 0 && owner_->shortWrite < c) c = owner_->shortWrite;
            return real_->Write(b, c, d);
        }
        int64_t Seek(int64_t o, FsSeek w) override { return real_->Seek(o, w); }
        int64_t Size() override { return real_->Size(); }
        bool SetEnd() override { return real_->SetEnd(); }
        bool Flush() override {
            owner_->flushes++;
            return real_->Flush();
        }

    private:
        CountingFileSystem* owner_;
        FileHandle* real_;
    };

    FileSystem* inner_;
    bool planted_ = false;
};

// Records sleeps and passes them on, so retry loops keep their real timing.
class CountingClock : public Clock {
public:
    CountingClock() : inner_(&TheClock()) { InstallClock(this); }
    ~CountingClock() override { InstallClock(inner_); }

    std::vector<uint32_t> sleeps;

    uint32_t TickCount() override { return inner_->TickCount(); }
    DateTime LocalNow() override { return inner_->LocalNow(); }
    TimeZone LocalTimeZone() override { return inner_->LocalTimeZone(); }
    void Sleep(uint32_t milliseconds) override {
        sleeps.push_back(milliseconds);
        inner_->Sleep(milliseconds);
    }

private:
    Clock* inner_;
};
