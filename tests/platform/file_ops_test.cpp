#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "captured_diagnostics.h"
#include "platform/file_ops.h"
#include "platform/folder_ops.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

void makeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

bool writable(const std::string& path) {
    return (fs::status(path).permissions() & fs::perms::owner_write) != fs::perms::none;
}

// A path far beyond what any system accepts, in components short enough to
// be valid names.
std::string overlongPath(const std::string& base) {
    std::string path = base;
    while (path.size() < 5000) path += "\\" + std::string(200, 'n');
    return path;
}

}  // namespace

TEST(CopyFileOver, ReplacesReadOnlyDestinationAndLeavesCopiesWritable) {
    ScratchFolder dir("copy");
    dir.write("new.txt", "fresh");
    dir.write("old.txt", "stale content");
    makeReadOnly(dir / "old.txt");
    CopyCounter copied{10};

    EXPECT_TRUE(CopyFileOver((dir / "new.txt").c_str(), (dir / "old.txt").c_str(), &copied));
    EXPECT_EQ(dir.read("old.txt"), "fresh");
    EXPECT_TRUE(writable(dir / "old.txt"));
    EXPECT_EQ(copied.bytes.load(), 15);
    EXPECT_EQ(copied.files.load(), 1);

    // A copy out of a read-only file is not read-only.
    makeReadOnly(dir / "new.txt");
    EXPECT_TRUE(CopyFileOver((dir / "new.txt").c_str(), (dir / "fresh.txt").c_str(), nullptr));
    EXPECT_TRUE(writable(dir / "fresh.txt"));
}

TEST(CopyFileOver, NeverCopiesAFileOntoItself) {
    ScratchFolder dir("self");
    dir.write("Data.txt", "keep me");
    std::string upper = dir.path + "/DATA.TXT";
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    CopyCounter copied{0};
    EXPECT_FALSE(CopyFileOver((dir / "Data.txt").c_str(), upper.c_str(), &copied));
    // The same file under another separator is not caught by the text
    // comparison; the copy itself must still refuse it.
    std::string backslashed = dir.path + "\\Data.txt";
    EXPECT_FALSE(CopyFileOver((dir / "Data.txt").c_str(), backslashed.c_str(), &copied));
    EXPECT_EQ(dir.read("Data.txt"), "keep me");
    EXPECT_EQ(copied.bytes.load(), 0);
}

TEST(CopyFileOver, MissingSourceOrFolderFailsAndCountsNothing) {
    ScratchFolder dir("copy-missing");
    dir.write("a.txt", "a");
    CopyCounter copied{0};
    EXPECT_FALSE(CopyFileOver((dir / "none.txt").c_str(), (dir / "b.txt").c_str(), &copied));
    EXPECT_FALSE(dir.exists("b.txt"));
    EXPECT_FALSE(CopyFileOver((dir / "a.txt").c_str(), (dir / "no/b.txt").c_str(), &copied));
    EXPECT_FALSE(CopyFileOver((dir / "a.txt").c_str(), overlongPath(dir.path).c_str(), &copied));
    EXPECT_EQ(copied.bytes.load(), 0);
}

TEST(CopyFileOver, CounterIsSixtyFourBits) {
    ScratchFolder dir("count");
    dir.write("a.bin", std::string(1000, 'x'));
    CopyCounter copied{(int64_t{1} << 31) - 10};
    EXPECT_TRUE(CopyFileOver((dir / "a.bin").c_str(), (dir / "b.bin").c_str(), &copied));
    EXPECT_EQ(copied.bytes.load(), (int64_t{1} << 31) + 990);
}

TEST(RenamePath, MovesButNeverReplaces) {
    ScratchFolder dir("rename");
    dir.write("a.txt", "a");
    dir.write("b.txt", "b");
    EXPECT_FALSE(RenamePath((dir / "a.txt").c_str(), (dir / "b.txt").c_str()));
    EXPECT_EQ(dir.read("a.txt"), "a");
    EXPECT_EQ(dir.read("b.txt"), "b");
    EXPECT_FALSE(RenamePath((dir / "a.txt").c_str(), (dir / "A.TXT").c_str()));
    EXPECT_TRUE(dir.exists("a.txt"));

    EXPECT_TRUE(RenamePath((dir / "a.txt").c_str(), (dir / "c.txt").c_str()));
    EXPECT_FALSE(dir.exists("a.txt"));
    EXPECT_EQ(dir.read("c.txt"), "a");

    dir.write("tree/inner/f.txt", "f");
    dir.makeFolder("occupied");
    EXPECT_FALSE(RenamePath((dir / "tree").c_str(), (dir / "occupied").c_str()));
    EXPECT_TRUE(RenamePath((dir / "tree").c_str(), (dir / "moved").c_str()));
    EXPECT_EQ(dir.read("moved/inner/f.txt"), "f");
    EXPECT_FALSE(RenamePath((dir / "none").c_str(), (dir / "other").c_str()));
}

TEST(DeletePath, DeletesOnlyWritableFiles) {
    ScratchFolder dir("delete");
    dir.write("a.txt", "a");
    dir.write("ro.txt", "r");
    dir.makeFolder("sub");
    makeReadOnly(dir / "ro.txt");
    EXPECT_TRUE(DeletePath((dir / "a.txt").c_str()));
    EXPECT_FALSE(dir.exists("a.txt"));
    EXPECT_FALSE(DeletePath((dir / "ro.txt").c_str()));
    EXPECT_TRUE(dir.exists("ro.txt"));
    EXPECT_FALSE(DeletePath((dir / "sub").c_str()));
    EXPECT_FALSE(DeletePath((dir / "a.txt").c_str()));
}

TEST(Existence, FilesFoldersAndTheDiagnosticLine) {
    ScratchFolder dir("exists");
    dir.write("f.txt", "f");
    EXPECT_TRUE(PathExists((dir / "f.txt").c_str()));
    EXPECT_TRUE(PathExists(dir.path.c_str()));
    EXPECT_FALSE(PathExists((dir / "none").c_str()));

    CapturedDiagnostics diagnostics;
    EXPECT_TRUE(FolderExists(dir.path.c_str()));
    EXPECT_EQ(diagnostics.text(), "");
    EXPECT_FALSE(FolderExists((dir / "f.txt").c_str()));
    std::string missing = dir / "none";
    EXPECT_FALSE(FolderExists(missing.c_str()));
    std::string overlong = overlongPath(dir.path);
    EXPECT_FALSE(FolderExists(overlong.c_str()));
    EXPECT_EQ(diagnostics.text(), "Erreur dans l'ouverture du repertoire <" + (dir / "f.txt") +
                                      ">\n"
                                      "Erreur dans l'ouverture du repertoire <" +
                                      missing +
                                      ">\n"
                                      "Erreur dans l'ouverture du repertoire <" +
                                      overlong + ">\n");
}

TEST(GetFileInfo, SizeAndDates) {
    ScratchFolder dir("info");
    dir.write("f.bin", std::string(1234, 'x'));
    FileInfo info;
    ASSERT_TRUE(GetFileInfo((dir / "f.bin").c_str(), info));
    EXPECT_EQ(info.size, 1234);
    EXPECT_GE(info.modified.year, 2020);
    EXPECT_GE(info.modified.month, 1);
    EXPECT_LE(info.modified.month, 12);
    EXPECT_GE(info.created.year, 2020);

    EXPECT_FALSE(GetFileInfo((dir / "none").c_str(), info));
    EXPECT_EQ(info.size, -1);
    EXPECT_EQ(info.modified.year, 0);
}
