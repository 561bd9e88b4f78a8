// The names and identifiers of system versions.
#include <gtest/gtest.h>

#include <string>

#include "platform/system_info.h"

namespace {

OsVersion version(uint32_t platform, uint32_t major, uint32_t minor, const char* pack = "") {
    OsVersion v;
    v.platform = platform;
    v.major = major;
    v.minor = minor;
    v.servicePack.assign(pack);
    return v;
}

std::string name(const OsVersion& v, int32_t bits = 32) {
    TextBuffer text;
    osIdOfVersion(v, bits, &text);
    return text.text();
}

}  // namespace

TEST(OsIdentity, TheVersionTable) {
    struct Case {
        uint32_t platform, major, minor;
        const char* name;
        int32_t id;
    } cases[] = {
        {0, 3, 11, "Windows 32s", 100}, {1, 4, 0, "Windows 95", 300},
        {1, 4, 10, "Windows 98", 500},  {1, 4, 90, "Windows Me", 600},
        {1, 4, 5, "Windows 9x", 300},   {2, 3, 51, "Windows NT", 200},
        {2, 4, 0, "Windows NT", 400},   {2, 5, 0, "Windows 2000", 700},
        {2, 5, 1, "Windows XP", 800},   {2, 5, 2, "Windows 2003", 800},
        {2, 5, 3, "Windows", 2000},     {2, 6, 0, "Windows Vista", 900},
        {2, 6, 1, "Windows 7", 1000},   {2, 6, 2, "Windows", 2000},
        {2, 6, 3, "Windows", 2000},     {2, 10, 0, "Windows", 2000},
        {3, 10, 0, "???", 0},
    };
    for (const Case& c : cases) {
        OsVersion v = version(c.platform, c.major, c.minor);
        TextBuffer text;
        EXPECT_EQ(osIdOfVersion(v, 32, &text), c.id) << c.name;
        EXPECT_EQ(std::string(text.text()).find(std::string(c.name) + " ("), 0u) << text.text();
    }
}

TEST(OsIdentity, TheFullNameText) {
    EXPECT_EQ(name(version(2, 6, 1, "Service Pack 1"), 64),
              "Windows 7 (6.1 with Service Pack 1) - 64bits");
    EXPECT_EQ(name(version(2, 6, 2)), "Windows (6.2 with ) - 32bits");
    EXPECT_EQ(osIdOfVersion(version(2, 5, 1), 32, nullptr), 800);
}
