#include <gtest/gtest.h>

#include <string>

#include "params/file_stream.h"
#include "platform/file_ops.h"
#include "platform/path_names.h"
#include "platform/process_paths.h"
#include "scratch_folder.h"

namespace {

std::string str(const TextBuffer& text) {
    return text.text();
}

}  // namespace

TEST(PathNames, SplitsOnEitherSeparator) {
    EXPECT_EQ(str(BaseName("c:\\dir/sub\\file.txt")), "file.txt");
    EXPECT_EQ(str(BaseName("file.txt")), "file.txt");
    EXPECT_EQ(str(BaseName("dir\\")), "");

    EXPECT_EQ(str(ParentPath("a/b\\c")), "a/b");
    EXPECT_EQ(str(ParentPath("file.txt")), ".");
    EXPECT_EQ(str(ParentPath("c:\\")), "c:");
    EXPECT_EQ(str(ParentPath("\\top")), "");
}

TEST(PathNames, StemLooksAtTheLastComponentOnly) {
    EXPECT_EQ(str(StemName("c:\\x.y\\setup-en.exe")), "setup-en");
    EXPECT_EQ(str(StemName("dir.d\\file")), "file");
    EXPECT_EQ(str(StemName("a.tar.gz")), "a.tar");
}

TEST(PathNames, JoinAddsOneSeparatorAndSameFileFoldsCase) {
    EXPECT_EQ(str(JoinPath("c:\\dir", "x")), "c:\\dir\\x");
    EXPECT_EQ(str(JoinPath("c:\\dir\\", "x")), "c:\\dir\\x");
    EXPECT_EQ(str(JoinPath("dir/", "x")), "dir/x");

    EXPECT_TRUE(SameFile("C:\\A\\\xE9t\xE9.txt", "c:\\a\\ETE.TXT"));  // accents fold too
    EXPECT_FALSE(SameFile("c:\\a", "c:/a"));
    EXPECT_FALSE(SameFile("c:\\a", "c:\\ab"));
}

TEST(ProcessPaths, ProgramFileAndFolders) {
    TextBuffer module = ModulePath();
    EXPECT_EQ(str(BaseName(module.text())).rfind("platform_tests", 0), 0u) << module.text();
    EXPECT_TRUE(PathExists(module.text()));
    EXPECT_EQ(str(ExeDirectory()), str(ParentPath(module.text())));
}

TEST(ProcessPaths, CurrentFolderMovesAndComesBack) {
    ScratchFolder scratch("paths");
    TextBuffer before = CurrentFolder();
    ASSERT_TRUE(SetCurrentFolder(scratch.path.c_str()));
    {
        OutFileStream relative("here.txt");
        relative << "x";
    }
    EXPECT_TRUE(SetCurrentFolder(before.text()));
    EXPECT_TRUE(scratch.exists("here.txt"));
    EXPECT_FALSE(SetCurrentFolder((scratch / "missing").c_str()));
    EXPECT_EQ(str(CurrentFolder()), str(before));
}
