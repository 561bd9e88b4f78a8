// RACCOURCI, with the shortcut read back the way the platform stores it.

#include <string>

#include "link_reader.h"
#include "params/variable_store.h"
#include "script_fixture.h"

class ShortcutCommandTest : public ScriptTest {
protected:
    ShortcutCommandTest() {
        folder.write("app/app.exe", "MZ");
        folder.write("app/tool.ico", "");
        folder.makeFolder("links");
        setVariable("EXE", exe.c_str());
        setVariable("ICO", icon.c_str());
        setVariable("HOME", home.c_str());
        setVariable("LINKS", systemPath(folder / "links").c_str());
    }

    LinkFields readBack(const std::string& name) const {
        LinkFields fields;
        EXPECT_TRUE(readLink(folder / ("links/" + name), fields)) << name;
        return fields;
    }

    const std::string exe = systemPath(folder / "app/app.exe");
    const std::string icon = systemPath(folder / "app/tool.ico");
    const std::string home = systemPath(folder / "app");
};

TEST_F(ShortcutCommandTest, EveryKeyReachesTheShortcut) {
    run(R"(
Installe
+
    RACCOURCI
    +
        PosLien = "${LINKS}¤App.lnk"  ExeLien = "${EXE}"  ArgExe = "/quiet \"a b\""
        HomeExe = "${HOME}"  InfoLien = "Lance l'application"  PosIcone = "${ICO}"  IdxIcone = "2"
    -
-
)");
    LinkFields link = readBack("App.lnk");
    EXPECT_EQ(link.target, exe);
    EXPECT_EQ(link.arguments, "/quiet \"a b\"");
    EXPECT_EQ(link.workingFolder, home);
    EXPECT_EQ(link.description, "Lance l'application");
    EXPECT_EQ(link.iconFile, icon);
    EXPECT_EQ(link.iconIndex, 2);
    EXPECT_TRUE(errors().empty());
}

TEST_F(ShortcutCommandTest, OptionalKeysDefaultToEmptyAndIndexZero) {
    run(R"(
Installe
+
    RACCOURCI  +  PosLien = "${LINKS}¤Icon.lnk"  ExeLien = "${EXE}"  PosIcone = "${ICO}"  -
    RACCOURCI  +  PosLien = "${LINKS}¤Plain.lnk"  ExeLien = "${EXE}"  IdxIcone = "3"  -
-
)");
    LinkFields withIcon = readBack("Icon.lnk");
    EXPECT_EQ(withIcon.iconFile, icon);
    EXPECT_EQ(withIcon.iconIndex, 0);
    EXPECT_EQ(withIcon.arguments, "");
    EXPECT_EQ(withIcon.description, "");
    LinkFields plain = readBack("Plain.lnk");
    EXPECT_EQ(plain.target, exe);
    EXPECT_EQ(plain.iconFile, "");
    EXPECT_EQ(plain.iconIndex, 0);
    EXPECT_TRUE(errors().empty());
}

TEST_F(ShortcutCommandTest, AShortcutThatWasNotWrittenIsReportedUnlessSilenced) {
    const std::string missing = systemPath(folder / "no folder/App.lnk");
    setVariable("MISSING", missing.c_str());
    run(R"(
Installe
+
    RACCOURCI  +  PosLien = "${MISSING}"  ExeLien = "${EXE}"  -
    "-RACCOURCI"  +  PosLien = "${MISSING}"  ExeLien = "${EXE}"  -
-
)");
    Entries expected = {{"RACCOURCI",
                         "Erreur de cr\xE9"
                         "ation du raccourci " +
                             missing}};
    EXPECT_EQ(errors(), expected);
    EXPECT_FALSE(folder.exists("no folder"));
}
