#include "app/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, TailSkipsTheProgramNameQuotedOrNot) {
    EXPECT_STREQ("/s", commandLineTail("\"C:\\Program Files\\setup.exe\" /s"));
    EXPECT_STREQ("/1 x", commandLineTail("setup.exe   /1 x"));
    EXPECT_STREQ("", commandLineTail("setup.exe"));
    EXPECT_STREQ("", commandLineTail("\"unterminated quote"));
    EXPECT_STREQ("", commandLineTail(nullptr));
}

TEST(CommandLine, OnlyLowerCaseSIsTheSizeQuery) {
    EXPECT_TRUE(readCommandLine("/s").sizeQuery);
    EXPECT_TRUE(readCommandLine("/silent please").sizeQuery);
    for (const char* tail : {"/S", "/3", "/x", "-x", "", "/", "s"}) {
        CommandLineChoice choice = readCommandLine(tail);
        EXPECT_FALSE(choice.sizeQuery) << tail;
        EXPECT_EQ(0, choice.mode) << tail;
    }
}

TEST(CommandLine, ModesComeFromTheSecondCharacterOnly) {
    EXPECT_EQ(0, readCommandLine("/0").mode);
    EXPECT_EQ(1, readCommandLine("/1").mode);
    EXPECT_EQ(1, readCommandLine("/1234").mode);
    EXPECT_EQ(2, readCommandLine("/2 and further words").mode);
    EXPECT_FALSE(readCommandLine("/2").sizeQuery);
}
