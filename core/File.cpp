#include "core/File.h"

#include <cstring>

#include "core/Fatal.h"
#include "platform/Clock.h"

namespace {

const char* const kErrorTexts[] = {
    "Success.",
    "An unknown error occurred.",
    "The filename is invalid.",
    "The file was not found.",
    "The directory does not exist.",
    "The file is locked by another application.",
    "Failed to read the file into memory.",
    "Failed to write data to the file.",
    "Too many files are already open.",
    "An invalid parameter was used.",
    "The file already exists.",
    "Too many indexed files exist.",
    "Access denied.",
    "The file's Read-Only attribute is set.",
    "The file's contents are corrupted.",
    "Deletion failed.",
    "The file is too large to load into memory.",
};

// The largest file a String can hold, with room for its terminating zeros.
constexpr int64_t kLargestImage = 0x7FFFFFF0;

bool IsSeparator(char c) {
    return c == '/' || c == TheFileSystem().PathSeparator();
}

String JoinPath(const String& folder, const String& leaf) {
    String path(folder);
    if (!path.IsEmpty() && !IsSeparator(path[path.Length() - 1])) {
        path.Append(TheFileSystem().PathSeparator());
    }
    path.Append(leaf);
    return path;
}

// Everything before the last separator; empty for a bare name.
String FolderOf(const String& name) {
    for (int32_t i = name.Length() - 1; i >= 0; i--) {
        if (IsSeparator(name[i])) return name.Left(i == 0 ? 1 : i);
    }
    return String();
}

bool IsReadOnly(const String& name) {
    int32_t attributes = TheFileSystem().Attributes(name);
    return attributes != -1 && (attributes & FileSystem::kAttributeReadOnly);
}

// The read-only attribute is a better answer than "access denied" only when it is
// the reason, that is, when writing was asked for.
FileError MapPlatformError(FsError error, bool writeRequested, const String& name) {
    switch (error) {
        case FsError::kNone: return kFileOk;
        case FsError::kNotFound: return kFileNotFound;
        case FsError::kPathNotFound: return kFileNoDirectory;
        case FsError::kTooManyOpen: return kFileTooManyOpen;
        case FsError::kAccessDenied:
            return writeRequested && IsReadOnly(name) ? kFileReadOnly : kFileAccessDenied;
        case FsError::kSharingViolation: return kFileLocked;
        case FsError::kExists: return kFileExists;
        case FsError::kInvalidParameter: return kFileBadParameter;
        case FsError::kInvalidName: return kFileBadName;
        case FsError::kOther: break;
    }
    return kFileFailed;
}

// Deletion at the next start on systems that keep the list in "wininit.ini": the
// entry "NUL=<short path>" goes into its [rename] section.
FileError ScheduleInWininit(const String& name) {
    FileSystem& fs = TheFileSystem();
    String entry = String::Formatted("%s=%s", "NUL", fs.ShortPath(name).c_str());
    String iniName = JoinPath(fs.WindowsDirectory(), "wininit.ini");
    String text;
    if (fs.Attributes(iniName) != -1) {
        File ini;
        if (ini.Open(iniName, File::kOpenExisting) != kFileOk || !ini.ReadAll(text)) {
            return kFileNotDeleted;
        }
    }
    int32_t header = -1;
    for (int32_t at = text.Find("[rename]", 0, String::kFindNoCase); at >= 0;
         at = text.Find("[rename]", at + 1, String::kFindNoCase)) {
        if (at == 0 || text[at - 1] == '\n' || text[at - 1] == '\r') {
            header = at;
            break;
        }
    }
    if (header < 0) {
        text.Append("[rename]\r\n");
        text.Append(entry);
    } else {
        text.Insert(header + 8, "\r\n" + entry);
    }
    return File::WriteAll(iniName, text.c_str(), text.Length()) == kFileOk ? kFileOk
                                                                          : kFileNotDeleted;
}

FileError ScheduleDeletion(const String& name) {
    FileSystem& fs = TheFileSystem();
    if (fs.Attributes(name) == -1) return kFileNotFound;
    if (fs.HasNativeRestartRemoval()) {
        if (fs.RemoveAtRestart(name)) return kFileOk;
        // Only an NT system that still carries the old start-up program reads the file.
        if (fs.Attributes(JoinPath(fs.WindowsDirectory(), "wininit.exe")) == -1) {
            return kFileNotDeleted;
        }
    }
    return ScheduleInWininit(name);
}

}  // namespace

const char* FileErrorText(int32_t code) {
    if (code < 0 || code >= int32_t(sizeof(kErrorTexts) / sizeof(kErrorTexts[0]))) {
        return kErrorTexts[kFileFailed];
    }
    return kErrorTexts[code];
}

File::~File() {
    Close();
}

void File::ResetState() {
    delete handle_;
    handle_ = nullptr;
    image_.Clear();
    imagePosition_ = 0;
    memoryMode_ = false;
    imageChanged_ = false;
    flushAfterWrite_ = false;
    readable_ = true;
    writable_ = true;
}

bool File::SetError(const char* text) {
    lastError_ = text;
    return false;
}

FileError File::Fail(FileError code, uint32_t flags) {
    if (code != kFileFailed || lastError_.IsEmpty()) lastError_ = FileErrorText(code);
    if (flags & kRequired) {
        Fatal("Failed to open required file:\r\n%s\r\n\r\n%s", name_.c_str(), lastError_.c_str());
    }
    return code;
}

bool File::ResolveName(const String& name, uint32_t flags, String& resolved, FileError& code) {
    FileSystem& fs = TheFileSystem();
    uint32_t location = flags & kLocationMask;
    if (location == 0) {
        if (name.IsEmpty()) {
            code = kFileBadName;
            return false;
        }
        resolved = fs.FullPath(name);
        return true;
    }
    String tempFolder = fs.Folder(SpecialFolder::kTemp);
    if (tempFolder.IsEmpty()) tempFolder = "c:\\temp";
    String folder;
    switch (location) {
        case kNewTempInTempFolder: folder = tempFolder; break;
        case kNewTempInFolder: folder = name; break;
        case kNewTempBesideName: folder = FolderOf(fs.FullPath(name)); break;
        case kNameInTempFolder:
            if (name.IsEmpty()) {
                code = kFileBadName;
                return false;
            }
            resolved = JoinPath(tempFolder, name);
            return true;
        default:
            code = kFileBadParameter;
            return false;
    }
    if (folder.IsEmpty()) {
        code = kFileNoDirectory;
        return false;
    }
    resolved = fs.CreateTempFile(folder);
    if (resolved.IsEmpty()) {
        lastError_ = fs.LastErrorText();
        code = fs.Attributes(folder) == -1 ? kFileNoDirectory : kFileFailed;
        return false;
    }
    return true;
}

FileError File::Open(const String& name, uint32_t flags, uint32_t attributes) {
    Close();
    lastError_.Clear();
    FileError code = kFileOk;
    if (!ResolveName(name, flags, name_, code)) {
        if (name_.IsEmpty()) name_ = name;
        return Fail(code, flags);
    }

    uint32_t disposition = flags & kDispositionMask;
    if (flags & kLocationMask && (flags & kLocationMask) != kNameInTempFolder) {
        disposition = kCreateAlways;
    }
    readable_ = !(flags & kNoRead);
    writable_ = !(flags & kNoWrite);
    uint32_t share = (flags & kShareRead ? FileSystem::kShareRead : 0) |
                     (flags & kShareWrite ? FileSystem::kShareWrite : 0);
    // A handle that cannot itself read has no reason to keep readers out while it
    // lets writers in, and likewise for writing.
    if (!readable_ && (share & FileSystem::kShareWrite)) share |= FileSystem::kShareRead;
    if (!writable_ && (share & FileSystem::kShareRead)) share |= FileSystem::kShareWrite;
    uint32_t access = (readable_ ? FileSystem::kAccessRead : 0) |
                      (writable_ ? FileSystem::kAccessWrite : 0);

    FileSystem& fs = TheFileSystem();
    int32_t sharingRetries = 0;
    bool retriedOnce = false;
    FsError error;
    for (;;) {
        error = fs.Open(name_, FsDisposition(disposition), access, share, attributes, &handle_);
        if (error == FsError::kNone) break;
        if (error == FsError::kSharingViolation && !(flags & kNoSharingRetry) &&
            sharingRetries < kSharingRetries) {
            sharingRetries++;
            TheClock().Sleep(kSharingRetryPause);
            continue;
        }
        if ((flags & kRetryOnce) && !retriedOnce) {
            retriedOnce = true;
            TheClock().Sleep(kRetryOncePause);
            continue;
        }
        break;
    }
    if (error != FsError::kNone) {
        handle_ = nullptr;
        code = MapPlatformError(error, writable_, name_);
        if (code == kFileFailed) lastError_ = fs.LastErrorText();
        ResetState();
        return Fail(code, flags);
    }

    if (flags & kMemory) {
        if (!LoadImage(code)) {
            String name = name_;
            ResetState();
            name_ = name;
            return Fail(code, flags);
        }
    }
    if (flags & kSeekToEnd) {
        if (memoryMode_) {
            imagePosition_ = image_.Length();
        } else {
            handle_->Seek(0, FsSeek::kEnd);
        }
    }
    if (flags & kTestOnly) {
        String keep = name_;
        Close();
        name_ = keep;
    }
    return kFileOk;
}

bool File::LoadImage(FileError& code) {
    int64_t size = handle_->Size();
    if (size < 0) {
        code = kFileNotLoaded;
        return false;
    }
    if (size > kLargestImage) {
        code = kFileTooLarge;
        return false;
    }
    if (size > 0) {
        if (!image_.SetLength(int32_t(size))) {
            code = kFileTooLarge;
            return false;
        }
        int32_t done = 0;
        if (handle_->Seek(0, FsSeek::kBegin) != 0 ||
            !handle_->Read(image_.Data(), int32_t(size), &done) || done != size) {
            code = kFileNotLoaded;
            return false;
        }
    }
    memoryMode_ = true;
    imagePosition_ = 0;
    imageChanged_ = false;
    return true;
}

bool File::WritePieces(const char* bytes, int32_t count) {
    while (count > 0) {
        int32_t piece = count < kWritePiece ? count : kWritePiece;
        int32_t done = 0;
        if (!handle_->Write(bytes, piece, &done)) {
            lastError_ = TheFileSystem().LastErrorText();
            return false;
        }
        if (done != piece) return SetError("Not all data could be written");
        bytes += piece;
        count -= piece;
    }
    return true;
}

bool File::WriteImageBack() {
    if (handle_->Seek(0, FsSeek::kBegin) != 0) {
        lastError_ = TheFileSystem().LastErrorText();
        return false;
    }
    if (!WritePieces(image_.c_str(), image_.Length())) return false;
    if (!handle_->SetEnd()) {
        lastError_ = TheFileSystem().LastErrorText();
        return false;
    }
    imageChanged_ = false;
    return true;
}

bool File::Close() {
    bool ok = true;
    if (handle_ && memoryMode_ && imageChanged_) ok = WriteImageBack();
    ResetState();
    name_.Clear();
    if (ok) lastError_.Clear();
    return ok;
}

bool File::Read(void* buffer, int32_t count) {
    if (count < 0) {
        lastError_.Format("Illegal block size %d", count);
        return false;
    }
    if (!buffer) return SetError("read(NULL)");
    if (count == 0) return true;
    if (!readable_) return SetError("Read access denied");
    if (!handle_) return SetError("File not open");
    if (memoryMode_) {
        int64_t available = image_.Length() - imagePosition_;
        if (available < 0) available = 0;
        int32_t taken = available < count ? int32_t(available) : count;
        if (taken > 0) std::memcpy(buffer, image_.c_str() + imagePosition_, size_t(taken));
        imagePosition_ += taken;
        if (taken < count) return SetError("Read past end of file");
        return true;
    }
    int32_t done = 0;
    if (!handle_->Read(buffer, count, &done)) {
        lastError_ = TheFileSystem().LastErrorText();
        return false;
    }
    if (done < count) return SetError("Read past end of file");
    return true;
}

bool File::Write(const void* buffer, int32_t count) {
    if (count == 0) return true;
    if (count < 0) return SetError("Illegal block size");
    if (!writable_) return SetError("Write access denied");
    if (!buffer) return SetError("write(NULL)");
    if (!handle_) return SetError("File not open");
    if (memoryMode_) {
        int64_t end = imagePosition_ + count;
        if (end > kLargestImage) return SetError(FileErrorText(kFileTooLarge));
        int32_t oldLength = image_.Length();
        if (end > oldLength) {
            if (!image_.SetLength(int32_t(end))) return SetError(FileErrorText(kFileTooLarge));
            // A seek past the end leaves a gap that reads back as zeros, as on disk.
            if (imagePosition_ > oldLength) {
                std::memset(image_.Data() + oldLength, 0, size_t(imagePosition_ - oldLength));
            }
        }
        std::memcpy(image_.Data() + imagePosition_, buffer, size_t(count));
        imagePosition_ = end;
        imageChanged_ = true;
        return true;
    }
    if (!WritePieces(static_cast<const char*>(buffer), count)) return false;
    if (flushAfterWrite_ && !handle_->Flush()) {
        lastError_ = TheFileSystem().LastErrorText();
        return false;
    }
    return true;
}

bool File::Seek(int64_t position) {
    if (!handle_) return SetError("File not open");
    if (position < 0) return SetError(FileErrorText(kFileBadParameter));
    if (memoryMode_) {
        imagePosition_ = position;
        return true;
    }
    if (handle_->Seek(position, FsSeek::kBegin) < 0) {
        lastError_ = TheFileSystem().LastErrorText();
        return false;
    }
    return true;
}

bool File::SeekRelative(int64_t delta) {
    int64_t position = Position();
    if (position < 0) return SetError("File not open");
    return Seek(position + delta);
}

int64_t File::Size() {
    if (!handle_) return -1;
    if (memoryMode_) return image_.Length();
    return handle_->Size();
}

int64_t File::Position() {
    if (!handle_) return -1;
    if (memoryMode_) return imagePosition_;
    return handle_->Seek(0, FsSeek::kCurrent);
}

bool File::SetEnd() {
    if (!handle_) return SetError("File not open");
    if (!writable_) return SetError("Write access denied");
    if (memoryMode_) {
        if (imagePosition_ > kLargestImage) return SetError(FileErrorText(kFileTooLarge));
        int32_t oldLength = image_.Length();
        int32_t newLength = int32_t(imagePosition_);
        if (newLength == 0) {
            image_.Clear();
        } else if (!image_.SetLength(newLength)) {
            return SetError(FileErrorText(kFileTooLarge));
        }
        if (newLength > oldLength) {
            std::memset(image_.Data() + oldLength, 0, size_t(newLength - oldLength));
        }
        imageChanged_ = true;
        return true;
    }
    if (!handle_->SetEnd()) {
        lastError_ = TheFileSystem().LastErrorText();
        return false;
    }
    return true;
}

bool File::Flush() {
    if (!handle_) return SetError("File not open");
    if (memoryMode_) return !imageChanged_ || WriteImageBack();
    if (!handle_->Flush()) {
        lastError_ = TheFileSystem().LastErrorText();
        return false;
    }
    return true;
}

int32_t File::ReadByte() {
    if (!handle_ || !readable_) return -1;
    if (memoryMode_) {
        if (imagePosition_ >= image_.Length()) return -1;
        return uint8_t(image_[int32_t(imagePosition_++)]);
    }
    uint8_t byte = 0;
    int32_t done = 0;
    if (!handle_->Read(&byte, 1, &done) || done != 1) return -1;
    return byte;
}

bool File::ReadAll(String& out) {
    out.Clear();
    int64_t size = Size();
    if (size < 0) return SetError("File not open");
    if (size > kLargestImage) return SetError(FileErrorText(kFileTooLarge));
    if (!Seek(0)) return false;
    if (size == 0) return true;
    // Out of memory is not worth a message: the caller's own failure path covers it.
    if (!out.SetLength(int32_t(size))) return false;
    if (!Read(out.Data(), int32_t(size))) {
        out.Clear();
        return false;
    }
    return true;
}

int32_t File::SwapLineBreaks(char* bytes, int32_t count) {
    if (!bytes) return 0;
    int32_t swapped = 0;
    for (int32_t i = 0; i < count; i++) {
        if (bytes[i] == '\r') {
            bytes[i] = '\n';
            swapped++;
        } else if (bytes[i] == '\n') {
            bytes[i] = '\r';
            swapped++;
        }
    }
    return swapped;
}

int32_t File::SwapLineBreaks(String& text) {
    return SwapLineBreaks(text.Data(), text.Length());
}

FileError File::WriteAll(const String& name, const char* bytes, int32_t count) {
    if (name.IsEmpty()) return kFileBadName;
    if (count == String::kToZero) count = bytes ? int32_t(std::strlen(bytes)) : 0;
    File file;
    FileError code = file.Open(name, kCreateAlways);
    if (code != kFileOk) return code;
    if (count > 0 && !file.Write(bytes, count)) return kFileNotWritten;
    return file.Close() ? kFileOk : kFileNotWritten;
}

FileError File::Copy(const String& source, const String& target, uint32_t flags) {
    FileSystem& fs = TheFileSystem();
    if (source.IsEmpty() || target.IsEmpty()) return kFileBadName;
    if (flags & kCopyMakeFolder) {
        String folder = FolderOf(fs.FullPath(target));
        if (!folder.IsEmpty()) fs.MakeDirectory(folder);
    }
    int32_t attempts = flags & kCopyRetry ? 11 : 1;
    FsError error = FsError::kOther;
    for (int32_t i = 0; i < attempts; i++) {
        if (i > 0) TheClock().Sleep(100);
        error = fs.Copy(source, target, (flags & kCopyFailIfExists) != 0);
        if (error == FsError::kNone) return kFileOk;
    }
    return MapPlatformError(error, true, target);
}

FileError File::Delete(const String& name, uint32_t flags) {
    FileSystem& fs = TheFileSystem();
    if (name.IsEmpty()) return kFileBadName;
    if (!(flags & kDeleteKeepReadOnly) && IsReadOnly(name)) fs.SetReadOnly(name, false);
    if (flags & kDeleteToRecycleBin) {
        if (fs.Attributes(name) == -1) return kFileNotFound;
        return fs.Recycle(name) ? kFileOk : kFileNotDeleted;
    }
    if (flags & kDeleteAtRestart) return ScheduleDeletion(name);
    FsError error = fs.Remove(name);
    if (error == FsError::kNone) return kFileOk;
    if (error == FsError::kNotFound || error == FsError::kPathNotFound) {
        return MapPlatformError(error, false, name);
    }
    return kFileNotDeleted;
}

DateTime File::TimeStamp(const String& name) {
    if (name.IsEmpty()) return DateTime();
    return TheFileSystem().LastWriteTime(name);
}
