#include "platform/FileSystem.h"

#include "core/Fatal.h"

namespace {
FileSystem* g_fileSystem = nullptr;
}

FileSystem& TheFileSystem() {
    if (!g_fileSystem) FatalInternal("cv_file", __LINE__);
    return *g_fileSystem;
}

FileSystem* InstallFileSystem(FileSystem* fileSystem) {
    FileSystem* previous = g_fileSystem;
    g_fileSystem = fileSystem;
    return previous;
}
