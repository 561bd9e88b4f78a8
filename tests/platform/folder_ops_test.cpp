#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "captured_diagnostics.h"
#include "platform/folder_ops.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

bool isFolder(const std::string& path) {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

void makeTree(const ScratchFolder& dir) {
    dir.write("src/a.txt", "aaa");
    dir.write("src/sub/b.txt", "bb");
    dir.write("src/sub/deeper/c.txt", "c");
    dir.makeFolder("src/sub/empty");
}

}  // namespace

TEST(MakeFolder, CreatesParentsOnlyWhenAsked) {
    ScratchFolder dir("mkdir");
    std::string nested = dir.path + "\\x\\y\\z";
    EXPECT_FALSE(MakeFolder(nested.c_str(), FolderParents::required));
    EXPECT_FALSE(dir.exists("x"));
    EXPECT_TRUE(MakeFolder(nested.c_str(), FolderParents::created));
    EXPECT_TRUE(isFolder(dir / "x/y/z"));
    EXPECT_TRUE(MakeFolder(nested.c_str(), FolderParents::required));  // already there

    EXPECT_TRUE(MakeFolder((dir / "p/q/").c_str(), FolderParents::created));
    EXPECT_TRUE(isFolder(dir / "p/q"));

    dir.write("file", "f");
    EXPECT_FALSE(MakeFolder((dir / "file/sub").c_str(), FolderParents::created));
}

TEST(MakeFolder, CreateFolderInsistsOnANewFolder) {
    ScratchFolder dir("create");
    EXPECT_TRUE(CreateFolder((dir / "new").c_str()));
    EXPECT_FALSE(CreateFolder((dir / "new").c_str()));
    EXPECT_FALSE(CreateFolder((dir / "a/b").c_str()));
}

TEST(MakeFolder, OverlongPathFailsCleanly) {
    ScratchFolder dir("long");
    std::string path = dir.path;
    while (path.size() < 5000) path += "/" + std::string(200, 'd');
    CapturedDiagnostics diagnostics;
    EXPECT_FALSE(MakeFolder(path.c_str(), FolderParents::created));
    EXPECT_NE(diagnostics.text().find(path), std::string::npos);  // never cut short
}

TEST(RemoveFolder, RemovesWholeTreesAndKeepsWhatRefuses) {
    ScratchFolder dir("remove");
    makeTree(dir);
    EXPECT_TRUE(RemoveFolder((dir / "src").c_str(), Reach::node));
    EXPECT_TRUE(isFolder(dir / "src"));  // not empty, not recursive

    EXPECT_TRUE(EmptyFolder((dir / "src").c_str(), Reach::node));
    EXPECT_FALSE(dir.exists("src/a.txt"));
    EXPECT_TRUE(dir.exists("src/sub/b.txt"));

    EXPECT_TRUE(RemoveFolder((dir / "src").c_str(), Reach::tree));
    EXPECT_FALSE(dir.exists("src"));

    dir.write("kept/ro.txt", "r");
    fs::permissions(dir / "kept/ro.txt", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_TRUE(RemoveFolder((dir / "kept").c_str(), Reach::tree));
    EXPECT_TRUE(dir.exists("kept/ro.txt"));

    CapturedDiagnostics diagnostics;
    EXPECT_TRUE(RemoveFolder((dir / "none").c_str(), Reach::tree));
    EXPECT_EQ(diagnostics.text(),
              "Erreur dans l'ouverture du repertoire <" + (dir / "none") + ">\n");
}

TEST(RemoveFolder, NeverFollowsALinkOutOfTheTree) {
    ScratchFolder dir("links");
    dir.write("outside/precious.txt", "p");
    dir.makeFolder("tree");
    std::error_code error;
    fs::create_directory_symlink(dir / "outside", dir / "tree/link", error);
    if (error) GTEST_SKIP() << "no folder links here: " << error.message();
    EXPECT_TRUE(RemoveFolder((dir / "tree").c_str(), Reach::tree));
    EXPECT_FALSE(dir.exists("tree"));
    EXPECT_EQ(dir.read("outside/precious.txt"), "p");
}

TEST(CopyFolder, CopiesTreesRecursivelyAndCountsBytes) {
    ScratchFolder dir("cpdir");
    makeTree(dir);
    CopyCounter copied{0};
    EXPECT_TRUE(CopySubfolder((dir / "src").c_str(), (dir.path + "\\dst").c_str(), &copied));
    EXPECT_EQ(dir.read("dst/a.txt"), "aaa");
    EXPECT_EQ(dir.read("dst/sub/b.txt"), "bb");
    EXPECT_EQ(dir.read("dst/sub/deeper/c.txt"), "c");
    EXPECT_TRUE(isFolder(dir / "dst/sub/empty"));
    EXPECT_EQ(copied.bytes.load(), 6);

    // Without recursion a subfolder fails like a file, and the rest goes on.
    dir.makeFolder("flat");
    EXPECT_FALSE(CopyFolder((dir / "src").c_str(), (dir / "flat").c_str(), Reach::node, nullptr));
    EXPECT_EQ(dir.read("flat/a.txt"), "aaa");
    EXPECT_FALSE(dir.exists("flat/sub"));
}

TEST(CopyFolder, MissingEndsAndCopiesIntoItself) {
    ScratchFolder dir("cpdir-bad");
    makeTree(dir);
    EXPECT_FALSE(
        CopyFolder((dir / "src").c_str(), (dir / "nowhere").c_str(), Reach::tree, nullptr));
    EXPECT_FALSE(dir.exists("nowhere"));

    CapturedDiagnostics diagnostics;
    EXPECT_TRUE(CopyFolder((dir / "none").c_str(), (dir / "src").c_str(), Reach::tree, nullptr));
    EXPECT_EQ(diagnostics.text(),
              "Erreur dans l'ouverture du repertoire <" + (dir / "none") + ">\n");

    EXPECT_FALSE(CopyFolder((dir / "src").c_str(), (dir / "SRC").c_str(), Reach::tree, nullptr));
    EXPECT_FALSE(
        CopySubfolder((dir / "src").c_str(), (dir.path + "\\Src\\sub\\copy").c_str(), nullptr));
    EXPECT_FALSE(dir.exists("src/sub/copy"));
    // Other texts for the same subtree.
    for (const char* inside : {"/./src/sub/copy", "//src//copy", "/src/sub/../copy", "/x/../src/c"})
        EXPECT_FALSE(CopySubfolder((dir / "src").c_str(), (dir.path + inside).c_str(), nullptr))
            << inside;
    EXPECT_FALSE(dir.exists("src/sub/copy"));
    EXPECT_FALSE(dir.exists("src/copy"));
    EXPECT_FALSE(dir.exists("src/c"));
    EXPECT_TRUE(CopySubfolder((dir / "src").c_str(), (dir / "src2").c_str(), nullptr));
    EXPECT_TRUE(CopySubfolder((dir / "src").c_str(), (dir.path + "/src/../src3").c_str(), nullptr));
    EXPECT_EQ(dir.read("src3/a.txt"), "aaa");
}
