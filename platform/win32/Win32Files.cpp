#include "platform/win32/Win32Files.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

#undef CopyFile
#undef DeleteFile

namespace {

thread_local DWORD lastError = 0;

FsError Failed(DWORD error) {
    lastError = error;
    switch (error) {
        case ERROR_FILE_NOT_FOUND: return FsError::kNotFound;
        case ERROR_PATH_NOT_FOUND: return FsError::kPathNotFound;
        case ERROR_TOO_MANY_OPEN_FILES: return FsError::kTooManyOpen;
        case ERROR_ACCESS_DENIED: return FsError::kAccessDenied;
        case ERROR_SHARING_VIOLATION: return FsError::kSharingViolation;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS: return FsError::kExists;
        case ERROR_INVALID_PARAMETER: return FsError::kInvalidParameter;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME: return FsError::kInvalidName;
        default: return FsError::kOther;
    }
}

bool Remember(BOOL ok) {
    if (!ok) lastError = GetLastError();
    return ok != FALSE;
}

class Win32File : public FileHandle {
public:
    explicit Win32File(HANDLE handle) : handle_(handle) {}
    ~Win32File() override { CloseHandle(handle_); }

    bool Read(void* buffer, int32_t count, int32_t* done) override {
        DWORD got = 0;
        bool ok = Remember(ReadFile(handle_, buffer, DWORD(count), &got, nullptr));
        *done = int32_t(got);
        return ok;
    }

    bool Write(const void* buffer, int32_t count, int32_t* done) override {
        DWORD put = 0;
        bool ok = Remember(WriteFile(handle_, buffer, DWORD(count), &put, nullptr));
        *done = int32_t(put);
        return ok;
    }

    int64_t Seek(int64_t offset, FsSeek origin) override {
        LARGE_INTEGER distance, at;
        distance.QuadPart = offset;
        DWORD method = origin == FsSeek::kBegin ? FILE_BEGIN
                       : origin == FsSeek::kEnd ? FILE_END
                                                : FILE_CURRENT;
        if (!Remember(SetFilePointerEx(handle_, distance, &at, method))) return -1;
        return at.QuadPart;
    }

    int64_t Size() override {
        LARGE_INTEGER size;
        if (!Remember(GetFileSizeEx(handle_, &size))) return -1;
        return size.QuadPart;
    }

    bool SetEnd() override { return Remember(SetEndOfFile(handle_)); }
    bool Flush() override { return Remember(FlushFileBuffers(handle_)); }

private:
    HANDLE handle_;
};

String ShellFolder(int csidl) {
    char path[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return String();
    }
    return String(path);
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

class Win32FileSystem : public FileSystem {
public:
    FsError Open(const String& name, FsDisposition disposition, uint32_t access, uint32_t share,
                 uint32_t attributes, FileHandle** handle) override {
        *handle = nullptr;
        static const DWORD kDispositions[] = {OPEN_ALWAYS, OPEN_EXISTING, CREATE_NEW,
                                              CREATE_ALWAYS};
        DWORD desired = (access & kAccessRead ? GENERIC_READ : 0) |
                        (access & kAccessWrite ? GENERIC_WRITE : 0);
        DWORD shareMode = (share & kShareRead ? FILE_SHARE_READ : 0) |
                          (share & kShareWrite ? FILE_SHARE_WRITE : 0);
        HANDLE h = CreateFileA(name.c_str(), desired, shareMode, nullptr,
                               kDispositions[int(disposition) & 3], attributes, nullptr);
        if (h == INVALID_HANDLE_VALUE) return Failed(GetLastError());
        *handle = new Win32File(h);
        return FsError::kNone;
    }

    String LastErrorText() override {
        char* text = nullptr;
        DWORD length = FormatMessageA(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, lastError, 0, reinterpret_cast<char*>(&text), 0, nullptr);
        if (!length || !text) return String::Formatted("System error %lu", lastError);
        String result(text, int32_t(length));
        LocalFree(text);
        result.TrimRight();
        return result;
    }

    int32_t Attributes(const String& name) override {
        DWORD attributes = GetFileAttributesA(name.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            lastError = GetLastError();
            return -1;
        }
        return int32_t(attributes & 0x7FFFFFFF);
    }

    bool SetReadOnly(const String& name, bool readOnly) override {
        DWORD attributes = GetFileAttributesA(name.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            lastError = GetLastError();
            return false;
        }
        attributes = readOnly ? attributes | FILE_ATTRIBUTE_READONLY
                              : attributes & ~DWORD(FILE_ATTRIBUTE_READONLY);
        if (attributes == 0) attributes = FILE_ATTRIBUTE_NORMAL;
        return Remember(SetFileAttributesA(name.c_str(), attributes));
    }

    DateTime LastWriteTime(const String& name) override {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA(name.c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) return DateTime();
        FindClose(find);
        FILETIME local;
        SYSTEMTIME t;
        if (!FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) ||
            !FileTimeToSystemTime(&local, &t)) {
            return DateTime();
        }
        return DateTime::At(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    }

    FsError Copy(const String& source, const String& target, bool failIfExists) override {
        if (CopyFileA(source.c_str(), target.c_str(), failIfExists)) return FsError::kNone;
        return Failed(GetLastError());
    }

    FsError Remove(const String& name) override {
        if (DeleteFileA(name.c_str())) return FsError::kNone;
        return Failed(GetLastError());
    }

    bool MakeDirectory(const String& path) override {
        for (int32_t i = 1; i <= path.Length(); i++) {
            if (i < path.Length() && !IsSeparator(path[i])) continue;
            // Roots ("c:", "\\server") exist or cannot be made.
            if (path[i - 1] == ':' || IsSeparator(path[i - 1])) continue;
            String partial = path.Left(i);
            if (!CreateDirectoryA(partial.c_str(), nullptr) &&
                GetLastError() != ERROR_ALREADY_EXISTS) {
                lastError = GetLastError();
            }
        }
        DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool Recycle(const String& name) override {
        // The shell wants a full path in a list ending with two zeros.
        String from = FullPath(name);
        from.Append('\0');
        SHFILEOPSTRUCTA operation = {};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
        return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted &&
               GetFileAttributesA(name.c_str()) == INVALID_FILE_ATTRIBUTES;
    }

    bool RemoveAtRestart(const String& name) override {
        using MoveFileExProc = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        auto moveFileEx = kernel ? reinterpret_cast<MoveFileExProc>(
                                       reinterpret_cast<void*>(GetProcAddress(kernel, "MoveFileExA")))
                                 : nullptr;
        if (!moveFileEx) return false;
        return Remember(moveFileEx(name.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));
    }

    bool HasNativeRestartRemoval() override {
        return (GetVersion() & 0x80000000) == 0;
    }

    String WindowsDirectory() override {
        char path[MAX_PATH];
        UINT length = GetWindowsDirectoryA(path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return String();
        return String(path, int32_t(length));
    }

    String ShortPath(const String& name) override {
        char path[MAX_PATH];
        DWORD length = GetShortPathNameA(name.c_str(), path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return name;
        return String(path, int32_t(length));
    }

    String Folder(SpecialFolder which) override {
        switch (which) {
            case SpecialFolder::kCommonProgramFiles: return ShellFolder(CSIDL_PROGRAM_FILES_COMMON);
            case SpecialFolder::kProgramFiles: return ShellFolder(CSIDL_PROGRAM_FILES);
            case SpecialFolder::kDocuments: return ShellFolder(CSIDL_PERSONAL);
            case SpecialFolder::kTemp: {
                char path[MAX_PATH + 1];
                DWORD length = GetTempPathA(sizeof(path), path);
                if (length == 0 || length > MAX_PATH) return String();
                String folder(path, int32_t(length));
                if (folder.Length() > 3) folder.TrimCharAtEnd('\\');
                return folder;
            }
        }
        return String();
    }

    String CreateTempFile(const String& folder) override {
        char path[MAX_PATH];
        if (!GetTempFileNameA(folder.c_str(), "cv", 0, path)) {
            lastError = GetLastError();
            return String();
        }
        return String(path);
    }

    String FullPath(const String& name) override {
        char path[MAX_PATH];
        char* leaf = nullptr;
        DWORD length = GetFullPathNameA(name.c_str(), MAX_PATH, path, &leaf);
        if (length == 0 || length >= MAX_PATH) return name;
        return String(path, int32_t(length));
    }

    char PathSeparator() override { return '\\'; }
};

}  // namespace

FileSystem& TheWin32FileSystem() {
    static Win32FileSystem fileSystem;
    return fileSystem;
}
