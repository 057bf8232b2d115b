// The test host's files on POSIX, with the Windows rules that the portable code and
// its tests rely on: sharing modes, the read-only attribute (which root would
// otherwise ignore), names Windows rejects, and the missing-folder error.
//
// Sharing is emulated with open-file-description locks on bytes far beyond any real
// data, so it holds between processes and between two opens in one process alike.
// Each open first marks what it holds and what it refuses to share, then looks for
// marks of others that conflict; two opens racing each other both see the other
// and both fail, which File's retry loop absorbs.
#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/headless/HeadlessFolders.h"

namespace {

constexpr off_t kMarkBase = off_t(0x7FFFFFFF00000000LL);
enum Mark : int { kMarkReader = 0, kMarkWriter = 1, kMarkDenyRead = 2, kMarkDenyWrite = 3 };
constexpr int kMarkCount = 4;

thread_local int lastErrno = 0;

FsError Failed(int error) {
    lastErrno = error;
    switch (error) {
        case ENOENT: return FsError::kNotFound;
        case ENOTDIR: return FsError::kPathNotFound;
        case EMFILE:
        case ENFILE: return FsError::kTooManyOpen;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY: return FsError::kAccessDenied;
        case EEXIST: return FsError::kExists;
        case EINVAL: return FsError::kInvalidParameter;
        case ENAMETOOLONG: return FsError::kInvalidName;
        default: return FsError::kOther;
    }
}

// Characters Windows refuses in names; refusing them here keeps the error the same
// on both hosts.
bool IsValidName(const String& name) {
    if (name.IsEmpty()) return false;
    for (int32_t i = 0; i < name.Length(); i++) {
        unsigned char c = uint8_t(name[i]);
        if (c < 32 || std::strchr("<>\"|?*", c)) return false;
    }
    return true;
}

String ParentOf(const String& name) {
    int32_t slash = name.FindLastOf("/");
    if (slash < 0) return ".";
    return slash == 0 ? String("/") : name.Left(slash);
}

// Windows tells a missing file from a missing folder on the way to it.
FsError NotFoundError(const String& name) {
    struct stat st;
    if (::stat(ParentOf(name).c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        lastErrno = ENOENT;
        return FsError::kPathNotFound;
    }
    return Failed(ENOENT);
}

bool IsReadOnlyMode(mode_t mode) {
    return !(mode & S_IWUSR);
}

bool SetMark(int fd, int mark) {
    struct flock lock = {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kMarkBase + mark;
    lock.l_len = 1;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// True when another open holds the mark (or any of `count` marks from `mark` on).
bool OthersHold(int fd, int mark, int count = 1) {
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kMarkBase + mark;
    lock.l_len = count;
    if (::fcntl(fd, F_OFD_GETLK, &lock) != 0) return false;
    return lock.l_type != F_UNLCK;
}

bool ShareConflict(int fd, uint32_t access, uint32_t share) {
    bool read = access & FileSystem::kAccessRead, write = access & FileSystem::kAccessWrite;
    bool shareRead = share & FileSystem::kShareRead, shareWrite = share & FileSystem::kShareWrite;
    if ((read && !SetMark(fd, kMarkReader)) || (write && !SetMark(fd, kMarkWriter)) ||
        (!shareRead && !SetMark(fd, kMarkDenyRead)) ||
        (!shareWrite && !SetMark(fd, kMarkDenyWrite))) {
        return true;
    }
    return (read && OthersHold(fd, kMarkDenyRead)) || (write && OthersHold(fd, kMarkDenyWrite)) ||
           (!shareRead && OthersHold(fd, kMarkReader)) ||
           (!shareWrite && OthersHold(fd, kMarkWriter));
}

// Windows cannot remove or replace a file that is open (nobody here shares
// deletion).
bool IsOpenAnywhere(const String& name) {
    int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool open = OthersHold(fd, 0, kMarkCount);
    ::close(fd);
    return open;
}

class PosixFile : public FileHandle {
public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { ::close(fd_); }

    bool Read(void* buffer, int32_t count, int32_t* done) override {
        *done = 0;
        char* at = static_cast<char*>(buffer);
        while (*done < count) {
            ssize_t got = ::read(fd_, at + *done, size_t(count - *done));
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                lastErrno = errno;
                return false;
            }
            if (got == 0) break;
            *done += int32_t(got);
        }
        return true;
    }

    bool Write(const void* buffer, int32_t count, int32_t* done) override {
        *done = 0;
        const char* at = static_cast<const char*>(buffer);
        while (*done < count) {
            ssize_t put = ::write(fd_, at + *done, size_t(count - *done));
            if (put < 0 && errno == EINTR) continue;
            if (put < 0) {
                lastErrno = errno;
                return false;
            }
            if (put == 0) break;
            *done += int32_t(put);
        }
        return true;
    }

    int64_t Seek(int64_t offset, FsSeek origin) override {
        int whence = origin == FsSeek::kBegin ? SEEK_SET : origin == FsSeek::kEnd ? SEEK_END
                                                                                   : SEEK_CUR;
        off_t at = ::lseek(fd_, off_t(offset), whence);
        if (at < 0) lastErrno = errno;
        return at;
    }

    int64_t Size() override {
        struct stat st;
        if (::fstat(fd_, &st) != 0) {
            lastErrno = errno;
            return -1;
        }
        return st.st_size;
    }

    bool SetEnd() override {
        off_t at = ::lseek(fd_, 0, SEEK_CUR);
        if (at < 0 || ::ftruncate(fd_, at) != 0) {
            lastErrno = errno;
            return false;
        }
        return true;
    }

    bool Flush() override {
        if (::fsync(fd_) != 0) {
            lastErrno = errno;
            return false;
        }
        return true;
    }

private:
    int fd_;
};

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
    ::remove(path);
    return 0;
}

// The process's own stand-ins for the Windows folders, removed again at exit.
class ScratchRoot {
public:
    const String& Path() {
        if (path_.IsEmpty()) {
            const char* tmp = std::getenv("TMPDIR");
            String base = tmp && *tmp ? tmp : "/tmp";
            String path = String::Formatted("%s/nivora-host-%d", base.c_str(), int(::getpid()));
            ::mkdir(path.c_str(), 0700);
            path_ = path;
            owner_ = ::getpid();
        }
        return path_;
    }
    // A forked child (a death test) exits through here too, and must leave its
    // parent's folder alone.
    ~ScratchRoot() {
        if (!path_.IsEmpty() && ::getpid() == owner_) {
            ::nftw(path_.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
        }
    }

private:
    String path_;
    pid_t owner_ = 0;
};

ScratchRoot scratch;

class PosixFileSystem : public FileSystem {
public:
    FsError Open(const String& name, FsDisposition disposition, uint32_t access, uint32_t share,
                 uint32_t attributes, FileHandle** handle) override {
        *handle = nullptr;
        if (!IsValidName(name)) {
            lastErrno = EINVAL;
            return FsError::kInvalidName;
        }
        struct stat st;
        bool exists = ::stat(name.c_str(), &st) == 0;
        if (exists && S_ISDIR(st.st_mode)) return Failed(EISDIR);
        if (exists && disposition == FsDisposition::kCreateNew) return Failed(EEXIST);
        if (!exists && disposition == FsDisposition::kOpenExisting) return NotFoundError(name);
        bool write = access & kAccessWrite;
        bool truncate = disposition == FsDisposition::kCreateAlways;
        if (exists && IsReadOnlyMode(st.st_mode) && (write || truncate)) return Failed(EACCES);

        // The descriptor can always read, because the sharing marks are read locks.
        int flags = (write ? O_RDWR : O_RDONLY) | O_CLOEXEC;
        if (disposition != FsDisposition::kOpenExisting) flags |= O_CREAT;
        if (disposition == FsDisposition::kCreateNew) flags |= O_EXCL;
        int fd = ::open(name.c_str(), flags, 0666);
        if (fd < 0) {
            int error = errno;
            if (error == ENOENT) return NotFoundError(name);
            return Failed(error);
        }
        bool created = !exists;
        if (access != 0 && ShareConflict(fd, access, share)) {
            ::close(fd);
            if (created) ::unlink(name.c_str());
            lastErrno = EBUSY;
            return FsError::kSharingViolation;
        }
        if (truncate && exists) {
            bool truncated = write ? ::ftruncate(fd, 0) == 0 : ::truncate(name.c_str(), 0) == 0;
            if (!truncated) {
                int error = errno;
                ::close(fd);
                return Failed(error);
            }
        }
        if (created && (attributes & kAttributeReadOnly)) ::fchmod(fd, 0444);
        *handle = new PosixFile(fd);
        return FsError::kNone;
    }

    String LastErrorText() override {
        return String(std::strerror(lastErrno));
    }

    int32_t Attributes(const String& name) override {
        struct stat st;
        if (name.IsEmpty() || ::stat(name.c_str(), &st) != 0) return -1;
        int32_t attributes = 0;
        if (IsReadOnlyMode(st.st_mode)) attributes |= kAttributeReadOnly;
        if (S_ISDIR(st.st_mode)) attributes |= kAttributeDirectory;
        return attributes ? attributes : int32_t(kAttributeNormal);
    }

    bool SetReadOnly(const String& name, bool readOnly) override {
        struct stat st;
        if (::stat(name.c_str(), &st) != 0) {
            lastErrno = errno;
            return false;
        }
        mode_t mode = st.st_mode & 07777;
        mode = readOnly ? mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH) : mode | S_IWUSR;
        if (::chmod(name.c_str(), mode) != 0) {
            lastErrno = errno;
            return false;
        }
        return true;
    }

    DateTime LastWriteTime(const String& name) override {
        struct stat st;
        if (name.IsEmpty() || ::stat(name.c_str(), &st) != 0) return DateTime();
        struct tm local;
        if (!::localtime_r(&st.st_mtime, &local)) return DateTime();
        return DateTime::At(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                            local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);
    }

    FsError Copy(const String& source, const String& target, bool failIfExists) override {
        FileHandle* from = nullptr;
        FsError error = Open(source, FsDisposition::kOpenExisting, kAccessRead, kShareRead,
                             kAttributeNormal, &from);
        if (error != FsError::kNone) return error;
        FileHandle* to = nullptr;
        error = Open(target, failIfExists ? FsDisposition::kCreateNew : FsDisposition::kCreateAlways,
                     kAccessWrite, 0, kAttributeNormal, &to);
        if (error != FsError::kNone) {
            delete from;
            return error;
        }
        static constexpr int32_t kBlock = 1 << 20;
        char* block = new char[kBlock];
        bool ok = true;
        for (;;) {
            int32_t got = 0, put = 0;
            if (!from->Read(block, kBlock, &got)) {
                ok = false;
                break;
            }
            if (got == 0) break;
            if (!to->Write(block, got, &put) || put != got) {
                ok = false;
                break;
            }
        }
        delete[] block;
        delete to;
        delete from;
        if (!ok) return FsError::kOther;
        // A copy keeps the source's attributes and modification time, as on Windows.
        struct stat st;
        if (::stat(source.c_str(), &st) == 0) {
            struct timespec times[2] = {st.st_atim, st.st_mtim};
            ::utimensat(AT_FDCWD, target.c_str(), times, 0);
            ::chmod(target.c_str(), st.st_mode & 07777);
        }
        return FsError::kNone;
    }

    FsError Remove(const String& name) override {
        struct stat st;
        if (!IsValidName(name)) {
            lastErrno = EINVAL;
            return FsError::kInvalidName;
        }
        if (::lstat(name.c_str(), &st) != 0) {
            return errno == ENOENT ? NotFoundError(name) : Failed(errno);
        }
        if (S_ISDIR(st.st_mode) || IsReadOnlyMode(st.st_mode)) return Failed(EACCES);
        if (IsOpenAnywhere(name)) {
            lastErrno = EBUSY;
            return FsError::kSharingViolation;
        }
        if (::unlink(name.c_str()) != 0) return Failed(errno);
        return FsError::kNone;
    }

    bool MakeDirectory(const String& path) override {
        if (path.IsEmpty()) return false;
        String partial;
        for (int32_t i = 0; i <= path.Length(); i++) {
            if (i == path.Length() || (path[i] == '/' && i > 0)) {
                partial = path.Left(i);
                if (::mkdir(partial.c_str(), 0777) != 0 && errno != EEXIST) {
                    lastErrno = errno;
                    return false;
                }
            }
        }
        struct stat st;
        return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }

    bool Recycle(const String& name) override {
        String bin = Folders().recycleBin;
        if (bin.IsEmpty()) bin = scratch.Path() + "/Recycle Bin";
        if (!MakeDirectory(bin)) return false;
        int32_t slash = name.FindLastOf("/");
        String leaf = slash < 0 ? name : name.Mid(slash + 1);
        String target = bin + "/" + leaf;
        for (int32_t n = 2; Attributes(target) != -1; n++) {
            target = String::Formatted("%s/%s (%d)", bin.c_str(), leaf.c_str(), n);
        }
        if (::rename(name.c_str(), target.c_str()) == 0) return true;
        if (errno != EXDEV || Copy(name, target, true) != FsError::kNone) {
            lastErrno = errno;
            return false;
        }
        return Remove(name) == FsError::kNone;
    }

    bool RemoveAtRestart(const String& name) override {
        if (Folders().refuseRestartRemoval) {
            lastErrno = EPERM;
            return false;
        }
        Folders().restartRemovals.push_back(FullPath(name));
        return true;
    }

    bool HasNativeRestartRemoval() override { return Folders().nativeRestartRemoval; }

    String WindowsDirectory() override {
        return Ensured(Folders().windows, "Windows");
    }

    String ShortPath(const String& name) override { return name; }

    String Folder(SpecialFolder which) override {
        HeadlessFolders& folders = Folders();
        switch (which) {
            case SpecialFolder::kCommonProgramFiles:
                if (folders.hideCommonProgramFiles) return String();
                return Ensured(folders.commonProgramFiles, "Program Files/Common Files");
            case SpecialFolder::kProgramFiles:
                return Ensured(folders.programFiles, "Program Files");
            case SpecialFolder::kDocuments: return Ensured(folders.documents, "Documents");
            // Inside the scratch folder, so that whatever tests leave there goes
            // with it.
            case SpecialFolder::kTemp: return Ensured(folders.temp, "Temp");
        }
        return String();
    }

    String CreateTempFile(const String& folder) override {
        String pattern = folder;
        if (!pattern.IsEmpty() && pattern[pattern.Length() - 1] != '/') pattern.Append('/');
        pattern.Append("cvXXXXXX.tmp");
        int fd = ::mkstemps(pattern.Data(), 4);
        if (fd < 0) {
            lastErrno = errno;
            return String();
        }
        ::close(fd);
        return pattern;
    }

    String FullPath(const String& name) override {
        if (name.IsEmpty() || name[0] == '/') return name;
        char cwd[4096];
        if (!::getcwd(cwd, sizeof(cwd))) return name;
        String path(cwd);
        if (path.IsEmpty() || path[path.Length() - 1] != '/') path.Append('/');
        path.Append(name.Left(2) == "./" ? name.Mid(2) : name);
        return path;
    }

    char PathSeparator() override { return '/'; }

private:
    static HeadlessFolders& Folders() { return TheHeadlessFolders(); }

    String Ensured(const String& chosen, const char* underScratch) {
        if (!chosen.IsEmpty()) return chosen;
        String path = scratch.Path() + "/" + underScratch;
        MakeDirectory(path);
        return path;
    }
};

}  // namespace

void InstallHostFileSystem() {
    static PosixFileSystem fileSystem;
    TheHeadlessFolders().fileSystem = &fileSystem;
    InstallFileSystem(&fileSystem);
}
