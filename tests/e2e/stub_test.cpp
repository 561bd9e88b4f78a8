// The linked stub itself: its size and how it answers its command line when started for real.
#include <gtest/gtest.h>

#include "e2e_paths.h"
#include "driver.h"

TEST(Stub, IsExactlyItsBudget) {
    WIN32_FILE_ATTRIBUTE_DATA info;
    ASSERT_TRUE(GetFileAttributesExA(STUB_PATH, GetFileExInfoStandard, &info));
    EXPECT_EQ(0u, info.nFileSizeHigh);
    EXPECT_EQ(static_cast<DWORD>(STUB_SIZE), info.nFileSizeLow);
}

TEST(Stub, SizeQueryEndsWithTheStubSizeAndCreatesNothing) {
    TestFolder temp("sizequery");
    temp.useAsTemporaryFolder();
    std::string stub = quotedPath(STUB_PATH);
    EXPECT_EQ(static_cast<DWORD>(STUB_SIZE), runToEnd(stub + " /s"));
    EXPECT_EQ(static_cast<DWORD>(STUB_SIZE), runToEnd(stub + " /s and more words"));
    EXPECT_TRUE(temp.isEmpty());
}

TEST(Stub, OtherCommandLinesAreNotTheSizeQuery) {
    TestFolder temp("notsizequery");
    temp.useAsTemporaryFolder();
    for (const char* arguments : {" /S", " /3", " -x", "", " /0"}) {
        RunningProgram run;
        ASSERT_TRUE(startProgram(run, quotedPath(STUB_PATH) + arguments));
        DWORD code = closeWizard(run);
        EXPECT_NE(0xFFFFFFFFu, code) << "arguments:" << arguments;
        EXPECT_NE(static_cast<DWORD>(STUB_SIZE), code) << "arguments:" << arguments;
    }
}

// The packer's check learns the installer's texts from the stub: it takes a translation of every
// text of the ready tables as one of a text the installer shows.
TEST(Stub, ShowsEveryTextOfTheReadyTables) {
    TestFolder product("readytables");
    std::string tables;
    for (const char* language : {"en", "de", "es", "it"}) {
        tables += std::string("\t") + language + "\n\t+\n" +
                  fileBytes(EXAMPLES_DIR "/../tools/mkinstaller/translations/" +
                            std::string(language) + ".txt") +
                  "\t-\n";
    }
    writeFile(product.path + "\\install.ini", "Traduction\n+\n" + tables + "-\n");
    EXPECT_EQ(0u, runToEnd(quotedPath(MKINSTALLER_PATH) + " check " + quotedPath(product.path) +
                           " --stub " + quotedPath(STUB_PATH)));
}
