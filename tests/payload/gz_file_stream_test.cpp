#include "payload/gz_file_stream.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <string>

#include "payload_bytes.h"
#include "scratch_folder.h"

namespace {

struct Reading {
    std::string bytes;
    bool damaged;
};

// What zlib's own gzip reader makes of a file.
Reading readWithZlib(const std::string& path) {
    Reading result{"", false};
    gzFile file = gzopen(path.c_str(), "rb");
    char block[4096];
    int n;
    while ((n = gzread(file, block, sizeof block)) > 0)
        result.bytes.append(block, static_cast<size_t>(n));
    int code = Z_OK;
    gzerror(file, &code);
    result.damaged = n < 0 || code != Z_OK;
    gzclose_r(file);
    return result;
}

// The same file through the stream, mixing single bytes, short and long reads.
Reading readWithStream(const std::string& path, std::mt19937& random) {
    Reading result{"", false};
    GzFileStream in(path.c_str());
    std::string block(200000, '\0');
    for (;;) {
        if (random() % 3 == 0) {
            int c = in.get();
            if (c < 0) break;
            result.bytes += static_cast<char>(c);
        } else {
            int32_t want = random() % 2 ? static_cast<int32_t>(random() % 100) + 1
                                        : static_cast<int32_t>(random() % 200000) + 1;
            int32_t got = in.read(&block[0], want);
            result.bytes.append(block.data(), static_cast<size_t>(got));
            if (got < want) break;
        }
    }
    EXPECT_TRUE(in.fail());
    result.damaged = in.damaged();
    return result;
}

}  // namespace

// The stream reads what zlib's gzip reader reads, and is damaged exactly when zlib reports an
// error: plain files pass through, members follow one another, trailing bytes are ignored.
TEST(GzFileStream, ReadsWhatZlibsGzipReaderReads) {
    ScratchFolder scratch("gz");
    std::mt19937 random(7);
    std::string mixed;
    for (int i = 0; i < 300000; ++i)
        mixed += static_cast<char>(i % 1000 < 500 ? 'a' + i % 7 : random());
    const std::string member = gzipped(mixed), small = gzipped("second member");
    const std::string inputs[] = {
        "",
        "x",
        "\x1F",
        "plain text that is no gzip file",
        mixed,
        member,
        member + small,
        member + "trailing garbage",
        member + "\x1F\x8B garbage that looks like a member",
        member.substr(0, member.size() / 3),
        member.substr(0, member.size() - 1),
        member.substr(0, 10),
        member.substr(0, 5) + std::string(100, '\x55') + member.substr(105),
        gzipped(""),
    };
    int index = 0;
    for (const std::string& input : inputs) {
        std::string name = "input" + std::to_string(index++);
        scratch.write(name, input);
        Reading expected = readWithZlib(scratch / name);
        for (int pass = 0; pass < 3; ++pass) {
            Reading actual = readWithStream(scratch / name, random);
            EXPECT_EQ(actual.damaged, expected.damaged) << name;
            if (expected.damaged) {
                // On damage zlib drops the bytes of the read that met it; the stream hands them
                // out.
                EXPECT_GE(actual.bytes.size(), expected.bytes.size()) << name;
                EXPECT_TRUE(actual.bytes.compare(0, expected.bytes.size(), expected.bytes) == 0)
                    << name;
            } else {
                EXPECT_TRUE(actual.bytes == expected.bytes) << name;
            }
        }
    }
}

TEST(GzFileStream, OpenCloseAndReopen) {
    ScratchFolder scratch("gzopen");
    scratch.write("a", gzipped("first"));
    scratch.write("b", "second");
    GzFileStream in;
    EXPECT_FALSE(in.isOpen());
    in.open(nullptr);
    EXPECT_FALSE(in.isOpen());
    in.open((scratch / "a").c_str());
    EXPECT_EQ(in.get(), 'f');
    in.unget('f');
    char bytes[16];
    EXPECT_EQ(in.read(bytes, 16), 5);
    EXPECT_TRUE(in.fail());
    EXPECT_FALSE(in.damaged());
    in.open((scratch / "b").c_str());  // closes the first, clears the states
    EXPECT_FALSE(in.fail());
    EXPECT_EQ(in.read(bytes, 6), 6);
    EXPECT_EQ(std::string(bytes, 6), "second");
    in.close();
    EXPECT_FALSE(in.isOpen());
    in.open((scratch / "missing").c_str());
    EXPECT_TRUE(in.isOpen());
    EXPECT_EQ(in.get(), -1);
    EXPECT_TRUE(in.damaged());
}
