#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "captured_diagnostics.h"
#include "platform/file_ops.h"
#include "platform/folder_enumerator.h"
#include "scratch_folder.h"

TEST(FolderEnumerator, ListsNamesKindsAndSizes) {
    ScratchFolder dir("enum");
    dir.write("one.txt", "12345");
    dir.makeFolder("sub");
    FolderEnumerator listing;
    ASSERT_TRUE(listing.Open(dir.path.c_str()));
    std::map<std::string, FolderEntry> seen;
    FolderEntry entry;
    while (listing.Next(entry, DotEntries::listed)) seen[entry.name.text()] = entry;
    EXPECT_FALSE(listing.isOpen());
    EXPECT_FALSE(listing.Next(entry));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_TRUE(seen["."].isFolder);
    EXPECT_TRUE(seen[".."].isFolder);
    EXPECT_TRUE(seen["sub"].isFolder);
    EXPECT_FALSE(seen["one.txt"].isFolder);
    EXPECT_EQ(seen["one.txt"].size, 5);
}

TEST(FolderEnumerator, SurvivesDeletionOfWhatItReturned) {
    ScratchFolder dir("enum-delete");
    std::set<std::string> made;
    for (int i = 0; i < 20; ++i) {
        made.insert("f" + std::to_string(i));
        dir.write("f" + std::to_string(i), "x");
    }
    FolderEnumerator listing;
    ASSERT_TRUE(listing.Open(dir.path.c_str()));
    std::set<std::string> seen;
    FolderEntry entry;
    while (listing.Next(entry)) {
        EXPECT_TRUE(seen.insert(entry.name.text()).second) << "twice: " << entry.name.text();
        EXPECT_TRUE(DeletePath((dir / entry.name.text()).c_str()));
    }
    EXPECT_EQ(seen, made);
    EXPECT_FALSE(dir.exists("f0"));
}

TEST(FolderEnumerator, ExactPatternsAndFailures) {
    ScratchFolder dir("enum-pattern");
    dir.makeFolder("a.cpx");
    dir.makeFolder("B.CPX");
    dir.write("c.txt", "c");
    FolderEnumerator listing;
    ASSERT_TRUE(listing.Open((dir.path + "\\*.cpx").c_str(), ListingOf::matches));
    std::set<std::string> seen;
    FolderEntry entry;
    while (listing.Next(entry)) seen.insert(entry.name.text());
    EXPECT_EQ(seen, (std::set<std::string>{"a.cpx", "B.CPX"}));

    // Reopening drops the listing in progress.
    ASSERT_TRUE(listing.Open((dir / "*.*").c_str(), ListingOf::matches));
    ASSERT_TRUE(listing.Open((dir / "c.txt").c_str(), ListingOf::matches));
    ASSERT_TRUE(listing.Next(entry));
    EXPECT_STREQ(entry.name.text(), "c.txt");
    EXPECT_FALSE(listing.Next(entry));

    CapturedDiagnostics diagnostics;
    EXPECT_FALSE(listing.Open((dir / "*.none").c_str(), ListingOf::matches));
    EXPECT_FALSE(listing.Next(entry));
    EXPECT_FALSE(listing.Open((dir / "missing").c_str()));
    EXPECT_EQ(diagnostics.text(), "Erreur dans l'ouverture du repertoire <" + (dir / "*.none") +
                                      ">\n"
                                      "Erreur dans l'ouverture du repertoire <" +
                                      (dir / "missing") + ">\n");
}
