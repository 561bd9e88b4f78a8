#include <gtest/gtest.h>

#include <string>

#include "platform/stream_copy.h"

TEST(CopyStreamBytes, CountedAndWholeCopiesAcrossPieces) {
    std::string bytes(200000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
    TextInStream in(bytes.data(), static_cast<int32_t>(bytes.size()));

    // One byte past a whole piece: the count, not the piece, ends the copy.
    TextOutStream first;
    EXPECT_EQ(CopyStreamBytes(in, first, 65537), 65537);
    EXPECT_TRUE(std::string(first.buffer().text(), 65537) == bytes.substr(0, 65537));

    TextOutStream rest;
    EXPECT_EQ(CopyStreamBytes(in, rest, -1), 200000 - 65537);
    EXPECT_TRUE(std::string(rest.buffer().text(), rest.buffer().length()) == bytes.substr(65537));

    TextOutStream none;
    EXPECT_EQ(CopyStreamBytes(in, none, 100), 0);  // stops at the end
    EXPECT_EQ(none.buffer().length(), 0);
}

TEST(CopyStreamBytes, StopEndsTheCopyAfterThePieceUnderWay) {
    std::string bytes(200000, 'x');
    TextInStream in(bytes.data(), static_cast<int32_t>(bytes.size()));
    std::atomic<bool> stop{true};
    TextOutStream out;
    EXPECT_EQ(CopyStreamBytes(in, out, -1, &stop), 65536);
}
