#include <gtest/gtest.h>

#include <string>

#include "params/file_stream.h"
#include "params/text_stream.h"
#include "scratch_folder.h"

TEST(TextStreams, OutputFormatsTextsAndIntegers) {
    TextOutStream out;
    TextBuffer name("x");
    out << "n=" << -12 << ' ' << 4000000000u << ' ' << static_cast<int64_t>(-5000000000LL) << ' '
        << name << static_cast<const char*>(nullptr);
    out.write("abc", 2);
    EXPECT_STREQ(out.buffer().text(), "n=-12 4000000000 -5000000000 xab");
}

TEST(TextStreams, InputWithPushBackAndBlockReads) {
    const char bytes[] = "a\xE9\0b";
    TextInStream in(bytes, 4);
    EXPECT_EQ(in.get(), 'a');
    EXPECT_EQ(in.get(), 0xE9);  // bytes come back unsigned
    in.unget(0xE9);
    EXPECT_EQ(in.get(), 0xE9);
    char block[8];
    EXPECT_EQ(in.read(block, 8), 2);
    EXPECT_EQ(std::string(block, 2), std::string("\0b", 2));
    EXPECT_EQ(in.get(), -1);
    in.unget(-1);  // pushing back the end changes nothing
    EXPECT_EQ(in.get(), -1);
}

TEST(FileStreams, BinaryWriteAppendAndRead) {
    ScratchFolder folder("params_stream");
    std::string path = folder / "stream.bin";
    {
        OutFileStream out(path.c_str(), FileMode::binary);
        ASSERT_TRUE(out.good());
        out << "one\r\n";
        out.put('\0');
        EXPECT_TRUE(out.close());
        EXPECT_FALSE(out.good());
    }
    {
        OutFileStream out(path.c_str(), FileMode::binary, FileWrite::append);
        out.write("\xFFtwo", 4);
    }  // closed by the destructor
    InFileStream in(path.c_str(), FileMode::binary);
    ASSERT_TRUE(in.good());
    char bytes[32];
    int32_t n = in.read(bytes, sizeof bytes);
    EXPECT_EQ(std::string(bytes, n), std::string("one\r\n\0\xFFtwo", 10));
    EXPECT_EQ(in.get(), -1);
    EXPECT_TRUE(in.good());
}

TEST(FileStreams, MissingFilesReadEmptyAndFailToWrite) {
    ScratchFolder folder("params_no_stream");
    std::string dir = folder / "absent/";
    InFileStream in((dir + "file").c_str());
    EXPECT_FALSE(in.isOpen());
    EXPECT_FALSE(in.good());
    EXPECT_EQ(in.get(), -1);
    char c;
    EXPECT_EQ(in.read(&c, 1), 0);

    OutFileStream out((dir + "file").c_str());
    EXPECT_FALSE(out.good());
    out << "lost";
    EXPECT_FALSE(out.close());
}
