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
        EXPECT_EQ(SessionMode::install, choice.mode) << tail;
        EXPECT_TRUE(choice.error.empty()) << tail;
    }
}

TEST(CommandLine, ModesComeFromTheSecondCharacterOnly) {
    EXPECT_EQ(SessionMode::install, readCommandLine("/0").mode);
    EXPECT_EQ(SessionMode::modelStored, readCommandLine("/1").mode);
    EXPECT_EQ(SessionMode::modelStored, readCommandLine("/1234").mode);
    EXPECT_EQ(SessionMode::modelUnpacked, readCommandLine("/2").mode);
    EXPECT_FALSE(readCommandLine("/2").sizeQuery);
}

TEST(CommandLine, OptionsFollowTheModeOrStandFirst) {
    CommandLineChoice choice =
        readCommandLine("/1 /QUIET \"/answers=C:\\My answers.txt\" /log=\"C:\\a b.log\"");
    EXPECT_EQ(SessionMode::modelStored, choice.mode);
    EXPECT_TRUE(choice.quiet);
    EXPECT_STREQ("C:\\My answers.txt", choice.answersPath.text());
    EXPECT_STREQ("C:\\a b.log", choice.logPath.text());
    EXPECT_TRUE(choice.error.empty());

    EXPECT_EQ(SessionMode::uninstall, readCommandLine("/quiet /Uninstall").mode);
    choice = readCommandLine("/quiet /log=x.log");
    EXPECT_EQ(SessionMode::install, choice.mode);
    EXPECT_TRUE(choice.quiet);
    EXPECT_STREQ("x.log", choice.logPath.text());
    // The size query reads no further.
    EXPECT_TRUE(readCommandLine("/s /unknown").error.empty());
}

TEST(CommandLine, UnknownOptionsAndOptionsWithoutFileAreErrors) {
    EXPECT_STREQ("Option inconnue : /verbose", readCommandLine("/0 /verbose /quiet").error.text());
    EXPECT_TRUE(readCommandLine("/2 and more words").error.empty());
    EXPECT_STREQ("Option inconnue : /log=", readCommandLine("/0 /log=").error.text());
    // A longer first word is no mode but an option; the log is honoured after a refused word.
    for (const char* tail : {"/quite /log=C:\\x.log", "/quiet /quite \"/log=C:\\x.log\""}) {
        CommandLineChoice choice = readCommandLine(tail);
        EXPECT_STREQ("Option inconnue : /quite", choice.error.text()) << tail;
        EXPECT_STREQ("C:\\x.log", choice.logPath.text()) << tail;
    }
}
