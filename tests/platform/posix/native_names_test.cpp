// The program's Windows-1252 names meet a file system that names files in UTF-8.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "params/file_stream.h"
#include "platform/file_ops.h"
#include "platform/folder_enumerator.h"
#include "platform/folder_ops.h"
#include "platform/process_paths.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

std::set<std::string> listed(const std::string& pattern, ListingOf of) {
    std::set<std::string> names;
    FolderEnumerator listing;
    listing.Open(pattern.c_str(), of);
    FolderEntry entry;
    while (listing.Next(entry)) names.insert(entry.name.text());
    return names;
}

}  // namespace

TEST(NativeNames, AccentedNamesAreUtf8OnDiskAndComeBackAsTheProgramWroteThem) {
    ScratchFolder dir("native-names");
    ASSERT_TRUE(MakeFolder((dir.path + "\\\xC9t\xE9\\caf\xE9").c_str(), FolderParents::created));
    {
        OutFileStream out((dir.path + "\\\xC9t\xE9\\caf\xE9\\\x80 r\xE9sum\xE9.txt").c_str());
        out << "x";
    }
    EXPECT_TRUE(dir.exists("\xC3\x89t\xC3\xA9/caf\xC3\xA9/\xE2\x82\xAC r\xC3\xA9sum\xC3\xA9.txt"));

    const std::string folder = dir.path + "/\xC9t\xE9/caf\xE9";
    EXPECT_EQ(listed(folder, ListingOf::folder), (std::set<std::string>{"\x80 r\xE9sum\xE9.txt"}));
    EXPECT_EQ(listed(folder + "\\*r\xE9sum\xE9*", ListingOf::matches),
              (std::set<std::string>{"\x80 r\xE9sum\xE9.txt"}));
    EXPECT_TRUE(
        RenamePath((folder + "/\x80 r\xE9sum\xE9.txt").c_str(), (folder + "/d\xE9j\xE0").c_str()));
    EXPECT_TRUE(PathExists((folder + "/d\xE9j\xE0").c_str()));
    EXPECT_TRUE(DeletePath((folder + "/d\xE9j\xE0").c_str()));

    // The current folder reads back in the program's code page.
    TextBuffer before = CurrentFolder();
    ASSERT_TRUE(SetCurrentFolder(folder.c_str()));
    EXPECT_EQ(std::string(CurrentFolder().text()), folder);
    EXPECT_TRUE(SetCurrentFolder(before.text()));
}

TEST(NativeNames, NamesThatAreNotUtf8KeepTheirBytes) {
    ScratchFolder dir("native-raw");
    dir.write("raw\xE9", "r");          // not UTF-8
    dir.write("inf\xE2\x88\x9E", "i");  // a character the code page cannot hold
    EXPECT_EQ(listed(dir.path, ListingOf::folder), (std::set<std::string>{"raw\xE9", "inf?"}));
}
