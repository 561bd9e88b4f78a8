// Native builds report the system that tests set.
#include <gtest/gtest.h>

#include "platform/posix/fixed_system_info.h"

TEST(FixedSystem, StartsAsA64BitWindows7AndCanBeSet) {
    TextBuffer name;
    EXPECT_EQ(OsIdentify(&name), 1000);
    EXPECT_STREQ(name.text(), "Windows 7 (6.1 with Service Pack 1) - 64bits");

    OsVersion saved;
    readOsVersion(saved);
    OsVersion xp;
    xp.platform = 2;
    xp.major = 5;
    xp.minor = 1;
    xp.servicePack.assign("Service Pack 3");
    setFixedSystemInfo(xp, 32);
    EXPECT_EQ(OsBits(), 32);
    EXPECT_EQ(OsIdentify(&name), 800);
    EXPECT_STREQ(name.text(), "Windows XP (5.1 with Service Pack 3) - 32bits");
    setFixedSystemInfo(saved, 64);
}
