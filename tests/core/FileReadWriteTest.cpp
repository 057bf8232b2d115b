#include <gtest/gtest.h>

#include <cstring>

#include "core/File.h"
#include "tests/core/FileTestSupport.h"

namespace {

TEST(FileRead, RefusalsComeWithTheirTexts) {
    TestFolder folder;
    String name = folder.Make("r.txt", "0123456789");
    char buffer[16];
    File file;
    EXPECT_FALSE(file.Read(buffer, 1));
    EXPECT_EQ(file.LastError(), "File not open");

    ASSERT_EQ(file.Open(name, File::kOpenExisting), kFileOk);
    EXPECT_FALSE(file.Read(buffer, -3));
    EXPECT_EQ(file.LastError(), "Illegal block size -3");
    EXPECT_FALSE(file.Read(nullptr, 1));
    EXPECT_EQ(file.LastError(), "read(NULL)");
    EXPECT_TRUE(file.Read(buffer, 0));

    ASSERT_TRUE(file.Seek(5));
    EXPECT_FALSE(file.Read(buffer, 10));
    EXPECT_EQ(file.LastError(), "Read past end of file");

    ASSERT_EQ(file.Open(name, File::kOpenExisting | File::kNoRead), kFileOk);
    EXPECT_FALSE(file.Read(buffer, 1));
    EXPECT_EQ(file.LastError(), "Read access denied");
    EXPECT_EQ(file.ReadByte(), -1);
}

TEST(FileWrite, RefusalsComeWithTheirTexts) {
    TestFolder folder;
    String name = folder.Make("w.txt", "abc");
    File file;
    ASSERT_EQ(file.Open(name, File::kOpenExisting | File::kNoWrite), kFileOk);
    EXPECT_TRUE(file.Write("x", 0));
    EXPECT_FALSE(file.Write("x", -1));
    EXPECT_EQ(file.LastError(), "Illegal block size");
    EXPECT_FALSE(file.Write("x", 1));
    EXPECT_EQ(file.LastError(), "Write access denied");
    file.Close();
    EXPECT_EQ(file.LastError(), "");
    EXPECT_EQ(ReadBack(name), "abc");
}

TEST(FileWrite, LargeWritesGoOutInPiecesOfOneMebibyte) {
    TestFolder folder;
    String name = folder.Name("big.bin");
    String data;
    ASSERT_TRUE(data.SetLength(3000000));
    for (int32_t i = 0; i < data.Length(); i++) data.SetAt(i, char('a' + i % 26));

    CountingFileSystem fs;
    File file;
    ASSERT_EQ(file.Open(name, File::kCreateAlways), kFileOk);
    ASSERT_TRUE(file.Write(data));
    EXPECT_EQ(fs.writes, (std::vector<int32_t>{1048576, 1048576, 902848}));
    EXPECT_EQ(fs.flushes, 0);
    file.Close();
    EXPECT_TRUE(ReadBack(name) == data);
}

TEST(FileWrite, ShortOrFailedPlatformWritesAreReported) {
    TestFolder folder;
    String name = folder.Name("short.bin");
    CountingFileSystem fs;
    File file;
    ASSERT_EQ(file.Open(name, File::kCreateAlways), kFileOk);
    fs.shortWrite = 2;
    EXPECT_FALSE(file.Write("abcdef", 6));
    EXPECT_EQ(file.LastError(), "Not all data could be written");
    fs.shortWrite = -1;
    EXPECT_FALSE(file.Write("abcdef", 6));
    EXPECT_EQ(file.LastError(), "planted failure");
}

TEST(FileWrite, FlushAfterWriteFlushesEachWrite) {
    TestFolder folder;
    CountingFileSystem fs;
    File file;
    ASSERT_EQ(file.Open(folder.Name("flush.txt"), File::kCreateAlways), kFileOk);
    file.SetFlushAfterWrite(true);
    ASSERT_TRUE(file.Write("a", 1));
    ASSERT_TRUE(file.Write("b", 1));
    EXPECT_EQ(fs.flushes, 2);
}

TEST(FilePositions, SeekSizeSetEndAndBytes) {
    TestFolder folder;
    String name = folder.Make("p.txt", "0123456789");
    File file;
    EXPECT_EQ(file.Size(), -1);
    EXPECT_EQ(file.Position(), -1);
    ASSERT_EQ(file.Open(name, File::kOpenExisting), kFileOk);
    EXPECT_EQ(file.Size(), 10);
    EXPECT_EQ(file.ReadByte(), '0');
    ASSERT_TRUE(file.SeekRelative(3));
    EXPECT_EQ(file.Position(), 4);
    EXPECT_EQ(file.ReadByte(), '4');
    ASSERT_TRUE(file.Seek(6));
    ASSERT_TRUE(file.SetEnd());
    EXPECT_EQ(file.Size(), 6);
    EXPECT_EQ(file.ReadByte(), -1);
    EXPECT_FALSE(file.Seek(-1));
    ASSERT_TRUE(file.Flush());
    file.Close();
    EXPECT_EQ(ReadBack(name), "012345");
}

TEST(FileMemory, ImageIsReadAndChangedInMemoryAndWrittenBackOnClose) {
    TestFolder folder;
    String name = folder.Make("m.txt", "Hello, world");
    CountingFileSystem fs;
    File file;
    // Sharing reading lets the test look at the file on disk meanwhile.
    ASSERT_EQ(file.Open(name, File::kOpenExisting | File::kMemory | File::kShareRead), kFileOk);
    EXPECT_TRUE(file.IsMemoryMode());
    EXPECT_EQ(file.Size(), 12);
    char buffer[8] = {};
    ASSERT_TRUE(file.Read(buffer, 5));
    EXPECT_STREQ(buffer, "Hello");
    EXPECT_FALSE(file.Read(buffer, 8));
    EXPECT_EQ(file.LastError(), "Read past end of file");

    ASSERT_TRUE(file.Seek(7));
    ASSERT_TRUE(file.Write("there, all", 10));
    ASSERT_TRUE(file.Seek(12));
    ASSERT_TRUE(file.SetEnd());
    EXPECT_EQ(file.Size(), 12);
    EXPECT_TRUE(fs.writes.empty());
    EXPECT_EQ(ReadBack(name), "Hello, world");

    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBack(name), "Hello, there");
}

TEST(FileMemory, ShrunkImageCutsTheFileAndSeekToEndUsesTheImage) {
    TestFolder folder;
    String name = folder.Make("m2.txt", "0123456789");
    File file;
    ASSERT_EQ(file.Open(name, File::kOpenExisting | File::kMemory | File::kSeekToEnd), kFileOk);
    EXPECT_EQ(file.Position(), 10);
    ASSERT_TRUE(file.Write("AB", 2));
    ASSERT_TRUE(file.Seek(3));
    ASSERT_TRUE(file.SetEnd());
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBack(name), "012");

    // A file opened for reading only is never written back.
    ASSERT_EQ(file.Open(name, File::kOpenExisting | File::kMemory | File::kNoWrite), kFileOk);
    EXPECT_FALSE(file.Write("z", 1));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBack(name), "012");
}

TEST(FileReadAll, WholeFileEmptyFileAndLineBreakSwap) {
    TestFolder folder;
    File file;
    String text;
    ASSERT_EQ(file.Open(folder.Make("e.txt", ""), File::kOpenExisting), kFileOk);
    text = "stale";
    EXPECT_TRUE(file.ReadAll(text));
    EXPECT_TRUE(text.IsEmpty());

    ASSERT_EQ(file.Open(folder.Make("l.txt", "a\r\nb\nc\r"), File::kOpenExisting), kFileOk);
    file.ReadByte();
    EXPECT_TRUE(file.ReadAll(text));
    EXPECT_EQ(text, "a\r\nb\nc\r");
    EXPECT_EQ(File::SwapLineBreaks(text), 4);
    EXPECT_EQ(text, "a\n\rb\rc\n");
    EXPECT_EQ(File::SwapLineBreaks(nullptr, 5), 0);
}

}  // namespace
