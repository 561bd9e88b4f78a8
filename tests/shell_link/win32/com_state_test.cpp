// Creating a link leaves the calling thread's COM initialised when it was.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <thread>

#include "../link_reader.h"
#include "platform/shell_link.h"
#include "scratch_folder.h"

namespace {

bool createOn(const std::string& path) {
    ShellLink link;
    link.setLinkPath(path.c_str());
    link.setTarget("C:\\windows\\notepad.exe");
    return link.CreateLink();
}

}  // namespace

TEST(ShellLinkCom, AThreadWithComKeepsIt) {
    ScratchFolder folder("links");
    // A thread of its own: its COM state ends with it.
    std::thread([&] {
        ASSERT_EQ(CoInitialize(nullptr), S_OK);
        EXPECT_TRUE(createOn(systemPath(folder / "a.lnk")));
        EXPECT_EQ(CoInitialize(nullptr), S_FALSE);  // still initialised
    }).join();
    EXPECT_TRUE(folder.exists("a.lnk"));
}

TEST(ShellLinkCom, AThreadWithoutComIsLeftWithout) {
    ScratchFolder folder("links");
    std::thread([&] {
        EXPECT_TRUE(createOn(systemPath(folder / "b.lnk")));
        EXPECT_EQ(CoInitialize(nullptr), S_OK);  // a first initialisation again
        CoUninitialize();
    }).join();
    EXPECT_TRUE(folder.exists("b.lnk"));
}
