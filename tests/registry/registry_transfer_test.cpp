// Export of a key's values to a text file and import of keys and values
// from one.
#include <gtest/gtest.h>

#include <string>

#include "platform/registry_key.h"
#include "scratch_folder.h"
#include "test_keys.h"

namespace {

void write(const std::string& path, const char* name, const char* text) {
    RegistryKey key;
    key.allowWriting();
    key.openPath(path.c_str(), KeyOpening::create);
    ASSERT_TRUE(key.writeValue(name, text, IntegerNodes::asString)) << path;
}

std::string typed(const std::string& path, const char* name) {
    RegistryKey key;
    key.openPath(path.c_str(), KeyOpening::existing);
    const char* text = key.readValue(name, KeyListing::cached, ValueForm::typed);
    return text ? text : "<none>";
}

// Line ends as the platform writes text files (CR LF on Windows) read as LF.
std::string lines(const std::string& bytes) {
    std::string text;
    for (char c : bytes)
        if (c != '\r') text += c;
    return text;
}

std::string failures(ParamNodeList list) {
    std::string text;
    for (ParamCell* c = list; c; c = c->next) text += std::string("[") + c->node->name() + "]";
    return text;
}

}  // namespace

TEST(RegistryExport, WritesStringsAndNumbersInReverseEnumerationOrder) {
    TestKey test;
    ScratchFolder folder("export");
    write(test.path, "a\"q", "say \"hi\"");
    write(test.path, "b\\s", "__eval:%SystemRoot%\\x");
    write(test.path, "c", "__hex(3):1,2");
    write(test.path, "d", "__dword:-1");
    write(test.path, "e", "__dword:5");
    TextBuffer path;
    EXPECT_TRUE(
        exportValues("HKEY_CURRENT_USER", test.below.c_str(), (folder / "out.txt").c_str(), path));
    EXPECT_EQ(lines(folder.read("out.txt")),
              "\"e\" = 5\n"
              "\"d\" = -1\n"
              "\"b\\\\s\" = \"%SystemRoot%\\\\x\"\n"
              "\"a\\\"q\" = \"say \\\"hi\\\"\"\n");
}

TEST(RegistryExport, AMissingKeyIsCreatedAndGivesAnEmptyFile) {
    TestKey test;
    ScratchFolder folder("export");
    TextBuffer path;
    EXPECT_TRUE(exportValues("", test.path.c_str(), (folder / "out.txt").c_str(), path));
    EXPECT_TRUE(folder.exists("out.txt"));
    EXPECT_EQ(folder.read("out.txt"), "");
    RegistryKey key;
    key.openPath(test.path.c_str(), KeyOpening::existing);
    EXPECT_TRUE(key.isOpen());
}

TEST(RegistryExport, AnUnknownRootFailsAndWritesNothing) {
    ScratchFolder folder("export");
    TextBuffer path("old");
    EXPECT_FALSE(exportValues("HKEY_NOWHERE", "Software", (folder / "out.txt").c_str(), path));
    EXPECT_STREQ(path.text(), "");
    EXPECT_FALSE(folder.exists("out.txt"));
}

TEST(RegistryExport, AnExportWrappedUnderAKeyImportsBack) {
    TestKey test;
    ScratchFolder folder("export");
    write(test / "from", "s", "text");
    write(test / "from", "d", "__dword:-1");
    write(test / "from", "e", "__eval:%P%");
    TextBuffer path;
    ASSERT_TRUE(exportValues("", (test / "from").c_str(), (folder / "out.txt").c_str(), path));
    folder.write("in.txt", "\"" + (test / "to") + "\"\n+\n" + folder.read("out.txt") + "-\n");
    ParamNode variables;
    ParamNodeList failed = nullptr;
    importFile((folder / "in.txt").c_str(), variables, failed);
    EXPECT_EQ(failed, nullptr);
    EXPECT_EQ(typed(test / "to", "s"), "text");
    EXPECT_EQ(typed(test / "to", "d"), "__dword:-1");
    // Export files hold strings without their type.
    EXPECT_EQ(typed(test / "to", "e"), "%P%");
}

TEST(RegistryImport, NumbersDuplicatesAndExpandedNames) {
    TestKey test;
    ScratchFolder folder("import");
    folder.write("in.txt",
                 "# values of a test key\n"
                 "\"HKEY_CURRENT_USER\xA4${BASE}/Imp\" = \"ignored\"\n"
                 "+\n"
                 "\t\"n\" = 5\n"
                 "\t\"neg\" = -3\n"
                 "\t\"s\" = \"12\"\n"
                 "\t\"t\" = \"__dword:7\"\n"
                 "\t\"${NAME}\" = \"${NAME}\xA4x\"\n"
                 "\t\"dup\" = \"first\"\n"
                 "\t\"dup\" = \"second\"\n"
                 "-\n");
    ParamNode variables;
    variables.findOrCreate("BASE")->setText(test.below.c_str());
    variables.findOrCreate("NAME")->setText("named");
    ParamNodeList failed = nullptr;
    importFile((folder / "in.txt").c_str(), variables, failed);
    EXPECT_EQ(failed, nullptr);
    std::string key = test / "Imp";
    EXPECT_EQ(typed(key, "n"), "__dword:5");
    EXPECT_EQ(typed(key, "neg"), "__dword:-3");
    EXPECT_EQ(typed(key, "s"), "12");
    EXPECT_EQ(typed(key, "t"), "__dword:7");
    EXPECT_EQ(typed(key, "named"), "named\\x");
    // The earlier of two values of one name is written last.
    EXPECT_EQ(typed(key, "dup"), "first");
}

TEST(RegistryImport, NewValuesAreBuiltFromTheOldOnes) {
    TestKey test;
    ScratchFolder folder("import");
    write(test.path, "Path", "__eval:%P%");
    write(test.path, "Typed", "__eval:%P%");
    write(test.path, "Count", "__dword:3");
    write(test.path, "Data", "__hex(3):1,2");
    folder.write("in.txt", "\"" + test.path +
                               "\"\n+\n"
                               "\"Path\" = \"${EXVALHT};%Q%\"\n"
                               "\"Typed\" = \"${EXVALTYP}${EXVALHT};%Q%\"\n"
                               "\"Count\" = \"${EXVALTYP}1${EXVALHT}\"\n"
                               "\"Data\" = \"${EXVAL},3\"\n"
                               "\"New\" = \"${EXVAL}|${EXVALHT}|${EXVALTYP}\"\n"
                               "-\n");
    ParamNode variables;
    ParamNodeList failed = nullptr;
    importFile((folder / "in.txt").c_str(), variables, failed);
    EXPECT_EQ(failed, nullptr);
    EXPECT_EQ(typed(test.path, "Path"), "%P%;%Q%");
    EXPECT_EQ(typed(test.path, "Typed"), "__eval:%P%;%Q%");
    EXPECT_EQ(typed(test.path, "Count"), "__dword:13");
    EXPECT_EQ(typed(test.path, "Data"), "__hex(3):1,2,3");
    // No old value: the three variables have no value and expand to their names.
    EXPECT_EQ(typed(test.path, "New"), "EXVAL|EXVALHT|EXVALTYP");
}

TEST(RegistryImport, KeysThatCannotBeWrittenAreReportedAndTheRestGoesOn) {
    TestKey test;
    ScratchFolder folder("import");
    folder.write("in.txt",
                 "\"hkey_current_user\\Software\\X\"\n+\n\"v\" = 1\n-\n"
                 "\"" +
                     test.path +
                     "\"\n+\n\"v\" = 2\n-\n"
                     "\"HKEY_NOWHERE\\Y\"\n");
    ParamNode variables;
    ParamNodeList failed = nullptr;
    importFile((folder / "in.txt").c_str(), variables, failed);
    EXPECT_EQ(failures(failed), "[][]");
    listClear(failed);
    EXPECT_EQ(typed(test.path, "v"), "__dword:2");

    importFile((folder / "missing.txt").c_str(), variables, failed);
    EXPECT_EQ(failed, nullptr);
}
