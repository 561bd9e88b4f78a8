// Copying branches and the 64-bit view.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "captured_diagnostics.h"
#include "process_bits.h"
#include "platform/registry_key.h"
#include "platform/system_info.h"
#include "test_keys.h"

namespace {

void write(const std::string& path, const char* name, const char* text) {
    RegistryKey key;
    key.allowWriting();
    key.openPath(path.c_str(), KeyOpening::create);
    ASSERT_TRUE(key.writeValue(name, text, IntegerNodes::asString)) << path;
}

// Every key below path with its typed values, as one text in name order
// (a copy writes values in another order than the source lists them).
std::string dump(const std::string& path, const std::string& indent = "") {
    RegistryKey key;
    key.openPath(path.c_str(), KeyOpening::existing);
    if (!key.isOpen()) return "<missing>";
    std::map<std::string, std::string> values, subkeys;
    for (ParamCell* c = key.listValues(KeyListing::reread, ValueForm::typed); c; c = c->next)
        values[c->node->name()] = c->node->value();
    for (ParamCell* c = key.listSubkeys(KeyListing::reread); c; c = c->next)
        subkeys[c->node->name()] = dump(path + "\\" + c->node->name(), indent + "  ");
    std::string text;
    for (auto& [name, value] : values) text += indent + name + "=" + value + "\n";
    for (auto& [name, below] : subkeys) text += indent + "[" + name + "]\n" + below;
    return text;
}

bool exists(const std::string& path) {
    RegistryKey key;
    key.openPath(path.c_str(), KeyOpening::existing);
    return key.isOpen();
}

// Restores the view switch at the end of a test.
struct ViewSwitch {
    explicit ViewSwitch(bool on) : previous(setRegistryView64(on)) {}
    ~ViewSwitch() { setRegistryView64(previous); }
    bool previous;
};

}  // namespace

TEST(RegistryBranches, CloneCopiesEveryTypeAndSubkey) {
    TestKey test;
    write(test / "src", "s", "text");
    write(test / "src", "e", "__eval:%P%");
    write(test / "src", "d", "__dword:5");
    write(test / "src", "b", "__hex(3):1,0,255");
    write(test / "src", "m", "__hex(7):97,0,0");
    write(test / "src\\sub\\deep", "", "default");
    write(test / "src\\other", "n", "__dword:-1");
    write(test / "dst", "stale", "gone after the copy");
    write(test / "dst\\old", "stale", "gone too");

    EXPECT_TRUE(cloneBranch((test / "src").c_str(), (test / "dst").c_str(), BranchCopy::replace));
    EXPECT_EQ(dump(test / "dst"), dump(test / "src"));
    EXPECT_NE(dump(test / "src").find("[deep]"), std::string::npos);
}

TEST(RegistryBranches, CloneWithoutReplaceMergesAndAMissingSourceIsCreated) {
    TestKey test;
    write(test / "src", "b", "1");
    write(test / "dst", "a", "2");
    EXPECT_TRUE(cloneBranch((test / "src").c_str(), (test / "dst").c_str(), BranchCopy::merge));
    EXPECT_EQ(dump(test / "dst"), "a=2\nb=1\n");

    EXPECT_TRUE(cloneBranch((test / "none").c_str(), (test / "copy").c_str(), BranchCopy::replace));
    EXPECT_TRUE(exists(test / "none"));
    EXPECT_EQ(dump(test / "copy"), "");
}

TEST(RegistryBranches, CloneRefusesOverlappingBranches) {
    TestKey test;
    write(test / "A\\B", "v", "1");
    const std::string before = dump(test.path);
    const std::string cases[][2] = {
        {test / "A", test / "A"},
        {test / "A", "HKEY_CURRENT_USER/" + test.below + "/a/"},  // same key, other spelling
        {test / "A", test / "A\\B\\C"},                           // into its own subtree
        {test / "A\\B", test / "A"},                              // the source would go first
    };
    for (auto& c : cases) {
        CapturedDiagnostics errors;
        EXPECT_FALSE(cloneBranch(c[0].c_str(), c[1].c_str(), BranchCopy::replace))
            << c[0] << " -> " << c[1];
        EXPECT_EQ(errors.text(), "Erreur de copie du registre (branches imbriquees)\n");
        EXPECT_EQ(dump(test.path), before);
    }
    // Siblings sharing a prefix do not overlap.
    EXPECT_TRUE(cloneBranch((test / "A").c_str(), (test / "AB").c_str(), BranchCopy::replace));
    EXPECT_EQ(dump(test / "AB"), dump(test / "A"));
}

TEST(RegistryBranches, Wow64SwitchChoosesTheViewForWritingAndDeleting) {
    SKIP_UNLESS_32BIT_PROCESS();
    TestKey test("HKEY_LOCAL_MACHINE\\Software");
    uint32_t type;
    std::string bytes;
    {
        ViewSwitch off(false);
        write(test.path, "v32", "a");
    }
    {
        ViewSwitch on(true);
        write(test.path, "v64", "b");
    }
    const bool wow64 = OsBits() == 64;
    EXPECT_TRUE(storedValue(rootLocalMachine, test.below, "v32", false, type, bytes));
    EXPECT_TRUE(storedValue(rootLocalMachine, test.below, "v64", true, type, bytes));
    // On a 64-bit system the two views are apart; the 32-bit one is seen by
    // the 64-bit view under WOW6432Node.
    EXPECT_EQ(storedValue(rootLocalMachine, test.below, "v32", true, type, bytes), !wow64);
    EXPECT_EQ(storedValue(rootLocalMachine, test.below, "v64", false, type, bytes), !wow64);
    if (wow64) {
        std::string redirected = "Software\\WOW6432Node\\" + test.below.substr(9);
        EXPECT_TRUE(storedValue(rootLocalMachine, redirected, "v32", true, type, bytes));
    }

    ViewSwitch on(true);
    RegistryKey key;
    key.openPath(test.path.c_str(), KeyOpening::existing);
    EXPECT_TRUE(key.deleteTree());
    EXPECT_FALSE(storedValue(rootLocalMachine, test.below, "v64", true, type, bytes));
    EXPECT_EQ(storedValue(rootLocalMachine, test.below, "v32", false, type, bytes), wow64);
}
