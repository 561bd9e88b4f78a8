#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string utf8(const char* text) {
    return utf8FromWindows1252(text).text();
}

std::string windows(const char* text) {
    return windows1252FromUtf8(text).text();
}

}  // namespace

TEST(CodePage, EveryByteMakesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string converted = utf8(all.c_str());
    EXPECT_EQ(windows(converted.c_str()), all);
    // The letters and the signs of 0x80 to 0x9F are the code page's own; the five bytes it
    // leaves unassigned stand for the control characters of the same number.
    EXPECT_EQ(utf8("caf\xE9 \x80 \x9C \xFF"), "caf\xC3\xA9 \xE2\x82\xAC \xC5\x93 \xC3\xBF");
    EXPECT_EQ(utf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(utf8(nullptr), "");
    EXPECT_EQ(windows(nullptr), "");
}

TEST(CodePage, WhatIsNotUtf8KeepsItsBytes) {
    EXPECT_EQ(windows("d\xE9j\xE0"), "d\xE9j\xE0");    // Windows-1252 already
    EXPECT_EQ(windows("\xC3\xA9t\xE9"), "\xE9t\xE9");  // a mix: each byte on its own
    EXPECT_EQ(windows("\xC0\xAF \xED\xA0\x80"), "\xC0\xAF \xED\xA0\x80");  // overlong, surrogate
    EXPECT_EQ(windows("cut \xE2\x82"), "cut \xE2\x82");                    // a character cut short
    // Characters the code page cannot hold.
    EXPECT_EQ(windows("\xE2\x88\x9E \xF0\x9F\x98\x80"), "? ?");
}
