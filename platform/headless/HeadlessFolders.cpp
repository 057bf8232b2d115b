#include "platform/headless/HeadlessFolders.h"

void HeadlessFolders::Reset() {
    FileSystem* keep = fileSystem;
    *this = HeadlessFolders();
    fileSystem = keep;
}

HeadlessFolders& TheHeadlessFolders() {
    static HeadlessFolders folders;
    return folders;
}
