#include <gtest/gtest.h>

#include "core/File.h"
#include "platform/headless/HeadlessFolders.h"
#include "tests/core/FileTestSupport.h"

namespace {

TEST(FileWriteAll, WritesReplacesAndReports) {
    TestFolder folder;
    String name = folder.Name("all.txt");
    EXPECT_EQ(File::WriteAll("", "x", 1), kFileBadName);
    EXPECT_EQ(File::WriteAll(name, "first version", String::kToZero), kFileOk);
    EXPECT_EQ(File::WriteAll(name, "second", 6), kFileOk);
    EXPECT_EQ(ReadBack(name), "second");

    CountingFileSystem fs;
    fs.shortWrite = 1;
    EXPECT_EQ(File::WriteAll(name, "third", 5), kFileNotWritten);

    // The file is held without sharing while it is written.
    fs.shortWrite = 0;
    File holder;
    ASSERT_EQ(holder.Open(name, File::kOpenExisting | File::kShareRead | File::kShareWrite),
              kFileOk);
    EXPECT_EQ(File::WriteAll(name, "fourth", 6), kFileLocked);
}

TEST(FileCopy, FlagsRefuseExistingMakeFoldersAndRetry) {
    TestFolder folder;
    char sep = TheFileSystem().PathSeparator();
    String source = folder.Make("src.txt", "payload");
    String target = folder.Make("dst.txt", "old");
    EXPECT_EQ(File::Copy(source, target, File::kCopyFailIfExists), kFileExists);
    EXPECT_EQ(ReadBack(target), "old");
    EXPECT_EQ(File::Copy(source, target, 0), kFileOk);
    EXPECT_EQ(ReadBack(target), "payload");

    String deep = folder.Path() + sep + "sub" + sep + "deeper" + sep + "copy.txt";
    EXPECT_EQ(File::Copy(source, deep, 0), kFileNoDirectory);
    EXPECT_EQ(File::Copy(source, deep, File::kCopyMakeFolder), kFileOk);
    EXPECT_EQ(ReadBack(deep), "payload");
    EXPECT_EQ(File::Delete(deep, 0), kFileOk);

    EXPECT_EQ(File::Copy(folder.Name("none.txt"), target, 0), kFileNotFound);

    CountingFileSystem fs;
    CountingClock clock;
    fs.failCopies = 3;
    EXPECT_EQ(File::Copy(source, target, File::kCopyRetry), kFileOk);
    EXPECT_EQ(fs.copies, 4);
    EXPECT_EQ(clock.sleeps, std::vector<uint32_t>(3, 100));

    fs.copies = 0;
    fs.failCopies = 100;
    clock.sleeps.clear();
    EXPECT_EQ(File::Copy(source, target, File::kCopyRetry), kFileLocked);
    EXPECT_EQ(fs.copies, 11);
    fs.copies = 0;
    EXPECT_EQ(File::Copy(source, target, 0), kFileLocked);
    EXPECT_EQ(fs.copies, 1);
}

TEST(FileDelete, ReadOnlyFilesNeedTheAttributeCleared) {
    TestFolder folder;
    String name = folder.Make("ro.txt", "x");
    ASSERT_TRUE(TheFileSystem().SetReadOnly(name, true));
    EXPECT_EQ(File::Delete(name, File::kDeleteKeepReadOnly), kFileNotDeleted);
    EXPECT_NE(TheFileSystem().Attributes(name), -1);
    EXPECT_EQ(File::Delete(name, 0), kFileOk);
    EXPECT_EQ(TheFileSystem().Attributes(name), -1);
    EXPECT_EQ(File::Delete(name, 0), kFileNotFound);
    EXPECT_EQ(File::Delete("", 0), kFileBadName);
}

TEST(FileDelete, RecycleBinTakesTheFile) {
    TestFolder folder;
    HeadlessFolders& host = TheHeadlessFolders();
    String bin = folder.Path() + TheFileSystem().PathSeparator() + "bin";
    if (host.InUse()) host.recycleBin = bin;
    String name = folder.Make("trash.txt", "x");
    EXPECT_EQ(File::Delete(name, File::kDeleteToRecycleBin), kFileOk);
    EXPECT_EQ(TheFileSystem().Attributes(name), -1);
    if (host.InUse()) {
        String binned = bin + TheFileSystem().PathSeparator() + "trash.txt";
        EXPECT_EQ(ReadBack(binned), "x");
        File::Delete(binned, 0);
        host.Reset();
    }
}

TEST(FileDelete, AtRestartLeavesTheFileForNow) {
    TestFolder folder;
    String name = folder.Make("later.txt", "x");
    HeadlessFolders& host = TheHeadlessFolders();
    if (host.InUse()) host.restartRemovals.clear();
    EXPECT_EQ(File::Delete(name, File::kDeleteAtRestart), kFileOk);
    EXPECT_NE(TheFileSystem().Attributes(name), -1);
    if (host.InUse()) {
        ASSERT_EQ(host.restartRemovals.size(), 1u);
        EXPECT_EQ(host.restartRemovals[0], name);
        host.Reset();
    }
}

// Only the test host can pretend to be a system without the delayed-move service.
TEST(FileDelete, AtRestartFallsBackToWininit) {
    HeadlessFolders& host = TheHeadlessFolders();
    if (!host.InUse()) GTEST_SKIP() << "needs the headless file system";
    TestFolder folder;
    host.windows = folder.Path();
    String ini = folder.Name("wininit.ini");
    String first = folder.Make("one.txt", "1");
    String second = folder.Make("two.txt", "2");

    // An NT system that refuses and has no wininit.exe cannot schedule it.
    host.refuseRestartRemoval = true;
    EXPECT_EQ(File::Delete(first, File::kDeleteAtRestart), kFileNotDeleted);
    EXPECT_EQ(TheFileSystem().Attributes(ini), -1);

    folder.Make("wininit.exe", "MZ");
    EXPECT_EQ(File::Delete(first, File::kDeleteAtRestart), kFileOk);
    EXPECT_EQ(ReadBack(ini), "[rename]\r\nNUL=" + first);

    // Older systems always use the file; a new entry goes right under the header.
    host.nativeRestartRemoval = false;
    EXPECT_EQ(File::Delete(second, File::kDeleteAtRestart), kFileOk);
    EXPECT_EQ(ReadBack(ini), "[rename]\r\nNUL=" + second + "\r\nNUL=" + first);

    File::WriteAll(ini, "[other]\r\na=b\r\n", String::kToZero);
    EXPECT_EQ(File::Delete(second, File::kDeleteAtRestart), kFileOk);
    EXPECT_EQ(ReadBack(ini), "[other]\r\na=b\r\n[rename]\r\nNUL=" + second);
    EXPECT_TRUE(host.restartRemovals.empty());
    host.Reset();
}

TEST(FileTimeStamp, ReadsTheModificationTimeOrNothing) {
    TestFolder folder;
    DateTime before = TheClock().LocalNow();
    String name = folder.Make("stamp.txt", "x");
    DateTime stamp = File::TimeStamp(name);
    ASSERT_TRUE(stamp.HasDate());
    ASSERT_TRUE(stamp.HasTime());
    // Within a day of now: a check on the calendar fields without racing midnight.
    EXPECT_NEAR(stamp.year * 400 + stamp.month * 32 + stamp.day,
                before.year * 400 + before.month * 32 + before.day, 32);
    DateTime missing = File::TimeStamp(folder.Name("missing.txt"));
    EXPECT_FALSE(missing.HasDate());
    EXPECT_FALSE(File::TimeStamp("").HasDate());
}

}  // namespace
