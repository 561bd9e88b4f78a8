// Shortcuts written through the platform and read back.
#include <gtest/gtest.h>

#include "link_reader.h"
#include "platform/shell_link.h"
#include "scratch_folder.h"

TEST(ShellLinks, EveryFieldReadsBack) {
    ScratchFolder folder("links");
    folder.write("app\\bin/app.exe", "MZ");
    folder.write("app/tool.ico", "");
    std::string target = systemPath(folder / "app/bin/app.exe");
    std::string icon = systemPath(folder / "app/tool.ico");
    std::string workFolder = systemPath(folder / "app");
    ShellLink link;
    link.setLinkPath(systemPath(folder / "App.lnk").c_str());
    link.setTarget(target.c_str());
    link.setArguments("/quiet \"a b\"");
    link.setWorkingFolder(workFolder.c_str());
    link.setDescription("Lance l'application");
    link.setIcon(icon.c_str(), 2);
    EXPECT_TRUE(link.CreateLink());

    LinkFields read;
    ASSERT_TRUE(readLink(folder / "App.lnk", read));
    EXPECT_EQ(read.target, target);
    EXPECT_EQ(read.arguments, "/quiet \"a b\"");
    EXPECT_EQ(read.workingFolder, workFolder);
    EXPECT_EQ(read.description, "Lance l'application");
    EXPECT_EQ(read.iconFile, icon);
    EXPECT_EQ(read.iconIndex, 2);
}

TEST(ShellLinks, AnIconIndexWithoutIconFileIsIgnored) {
    ScratchFolder folder("links");
    folder.write("app.exe", "MZ");
    ShellLink link;
    link.setLinkPath(systemPath(folder / "NoIcon.lnk").c_str());
    link.setTarget(systemPath(folder / "app.exe").c_str());
    link.setIcon("", 5);
    EXPECT_TRUE(link.CreateLink());
    LinkFields read;
    ASSERT_TRUE(readLink(folder / "NoIcon.lnk", read));
    EXPECT_EQ(read.iconFile, "");
    EXPECT_EQ(read.iconIndex, 0);
    EXPECT_EQ(read.arguments, "");
}

TEST(ShellLinks, AMissingFolderWritesNothingButSucceeds) {
    ScratchFolder folder("links");
    folder.write("app.exe", "MZ");
    ShellLink link;
    link.setLinkPath(systemPath(folder / "missing/App.lnk").c_str());
    link.setTarget(systemPath(folder / "app.exe").c_str());
    EXPECT_TRUE(link.CreateLink());
    EXPECT_FALSE(folder.exists("missing"));
    EXPECT_FALSE(folder.exists("missing/App.lnk"));
}
