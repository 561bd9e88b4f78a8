#include <gtest/gtest.h>

#include <string>

#include "platform/stream_copy.h"

namespace {

// Records the largest piece written.
class PieceRecorder : public TextOutStream {
public:
    void write(const char* p, int32_t n) override {
        largest = n > largest ? n : largest;
        TextOutStream::write(p, n);
    }
    int32_t largest = 0;
};

}  // namespace

TEST(CopyStreamBytes, CountedAndWholeCopiesInSmallPieces) {
    std::string bytes(10000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    TextInStream in(bytes.data(), static_cast<int32_t>(bytes.size()));

    PieceRecorder first;
    EXPECT_EQ(CopyStreamBytes(in, first, 4097), 4097);
    EXPECT_EQ(std::string(first.buffer().text(), 4097), bytes.substr(0, 4097));
    EXPECT_LE(first.largest, 2048);

    PieceRecorder rest;
    EXPECT_EQ(CopyStreamBytes(in, rest, -1), 10000 - 4097);
    EXPECT_EQ(std::string(rest.buffer().text(), rest.buffer().length()), bytes.substr(4097));

    PieceRecorder none;
    EXPECT_EQ(CopyStreamBytes(in, none, 100), 0);  // stops at the end
}

TEST(SkipLine, ConsumesOneLineEnd) {
    TextInStream in("one\r\ntwo\nlast");
    EXPECT_TRUE(SkipLine(in));
    EXPECT_EQ(in.get(), '\n');  // a CR LF pair is two line ends
    EXPECT_TRUE(SkipLine(in));
    EXPECT_EQ(in.get(), 'l');
    EXPECT_FALSE(SkipLine(in));
    EXPECT_FALSE(SkipLine(in));
}
