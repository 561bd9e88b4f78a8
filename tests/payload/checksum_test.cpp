#include "payload/checksum.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "payload_bytes.h"

namespace {

uint32_t checksumOf(const std::string& bytes, uint32_t start = 0) {
    return updateChecksum(start, reinterpret_cast<const unsigned char*>(bytes.data()),
                          bytes.size());
}

}  // namespace

TEST(Checksum, RotatesLeftThenAddsEachByte) {
    EXPECT_EQ(checksumOf("abc"), 0x2ABu);
    EXPECT_EQ(checksumOf(""), 0u);
    // Bit 31 comes round to bit 0; bytes count as unsigned.
    EXPECT_EQ(checksumOf("\xFF", 0x80000000u), 0x100u);
}

// The sixteen-byte blocks skip the per-byte rotation except when the state could carry into bit
// 31; states and bytes near that edge (runs of 0xFF, states with bits 8-15 set) must agree with
// the definition, and so must every way of cutting the input into pieces.
TEST(Checksum, BlocksAgreeWithTheDefinitionOnEveryStateAndCut) {
    std::mt19937 random(2024);
    for (int round = 0; round < 20000; ++round) {
        std::string bytes(random() % 80, '\0');
        int kind = round % 3;
        for (char& b : bytes)
            b = static_cast<char>(kind == 0 ? random() : kind == 1 ? 0xFF : (random() & 1) * 0xFF);
        uint32_t start = random();
        if (round % 4 == 0) start |= 0x0000FF00u;
        if (round % 7 == 0) start = 0xFFFFFFFFu;
        size_t cut = bytes.empty() ? 0 : random() % bytes.size();
        uint32_t expected = referenceChecksum(bytes, start);
        ASSERT_EQ(checksumOf(bytes, start), expected) << "round " << round;
        ASSERT_EQ(checksumOf(bytes.substr(cut), checksumOf(bytes.substr(0, cut), start)), expected)
            << "round " << round << " cut " << cut;
    }
}
