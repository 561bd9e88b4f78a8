// Opening keys from paths, listing subkeys and deleting trees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "captured_diagnostics.h"
#include "platform/registry_key.h"
#include "test_keys.h"

namespace {

std::vector<std::string> names(ParamNodeList list) {
    std::vector<std::string> result;
    for (ParamCell* c = list; c; c = c->next) result.push_back(c->node->name());
    return result;
}

bool exists(const std::string& path) {
    RegistryKey key;
    key.openPath(path.c_str(), false);
    return key.isOpen();
}

void create(const std::string& path, const char* value = nullptr) {
    RegistryKey key;
    key.setWriteAccess(true);
    key.openPath(path.c_str(), true);
    ASSERT_TRUE(key.isOpen()) << path;
    if (value) {
        ASSERT_TRUE(key.writeValue("v", value, false));
    }
}

}  // namespace

TEST(RegistryPaths, SlashesAndBackslashesNameTheSameKey) {
    TestKey test;
    create(test / "A\\B", "x");
    std::string slashed = "HKEY_CURRENT_USER/" + test.below + "/A/B";
    for (char& c : slashed)
        if (c == '\\') c = '/';
    RegistryKey key;
    EXPECT_EQ(std::string(key.openPath(slashed.c_str(), false)), test.below + "\\A\\B");
    ASSERT_TRUE(key.isOpen());
    EXPECT_STREQ(key.readValue("v", ValueListing::cached, ValueForm::typed), "x");
}

TEST(RegistryPaths, RootNamesAreExactAndARootAloneOpensTheRoot) {
    TestKey test;
    create(test.path, "x");
    RegistryKey key;
    EXPECT_STREQ(key.openPath("HKEY_CURRENT_USER", false), "");
    ASSERT_TRUE(key.isOpen());
    std::string software;
    for (const std::string& name : names(key.listSubkeys(true, false)))
        if (name == "Software" || name == "SOFTWARE") software = name;
    EXPECT_FALSE(software.empty());

    std::string lower = "hkey_current_user\\" + test.below;
    EXPECT_EQ(key.openPath(lower.c_str(), true), nullptr);
    EXPECT_FALSE(key.isOpen());
    EXPECT_EQ(key.path(), nullptr);
    EXPECT_EQ(key.openPath("HKEY_NOWHERE", true), nullptr);
    // A closed key answers nothing and fails every operation.
    EXPECT_EQ(key.listValues(ValueListing::reread, ValueForm::typed), nullptr);
    EXPECT_EQ(key.listSubkeys(true, false), nullptr);
    EXPECT_EQ(key.readValue("v", ValueListing::reread, ValueForm::typed), nullptr);
    EXPECT_FALSE(key.writeValue("v", "y", false));
    EXPECT_FALSE(key.queryInfo());
    EXPECT_FALSE(key.deleteTree());
}

TEST(RegistryPaths, CurrentConfigIsARootOfItsOwn) {
    TestKey config("HKEY_CURRENT_CONFIG");
    create(config.path, "x");
    EXPECT_TRUE(exists(config.path));
    EXPECT_FALSE(exists("HKEY_LOCAL_MACHINE\\" + config.below));
}

TEST(RegistryPaths, PiecesJoinUnderAParent) {
    TestKey test;
    create(test / "A\\B\\C");
    RegistryKey parent, key;
    parent.openPath(test.path.c_str(), false);
    EXPECT_EQ(std::string(key.openUnder(parent, false, "A", nullptr, "B/C")),
              test.below + "\\A\\B\\C");
    EXPECT_TRUE(key.isOpen());
    // An empty piece still adds its separator.
    EXPECT_EQ(std::string(key.openUnder(parent, false, "A", "", "B")), test.below + "\\A\\\\B");
    // The parent may be the key itself.
    key.openPath(test.path.c_str(), false);
    EXPECT_EQ(std::string(key.openUnder(key, false, "A")), test.below + "\\A");
    EXPECT_TRUE(key.isOpen());
}

TEST(RegistryPaths, RootAndBranchJoinUnlessTheRootIsBlank) {
    TestKey test;
    create(test.path, "x");
    RegistryKey key;
    EXPECT_EQ(std::string(key.joinRootAndBranch("HKEY_CURRENT_USER", test.below.c_str(), false)),
              test.below);
    EXPECT_STREQ(key.readValue("v", ValueListing::cached, ValueForm::typed), "x");
    EXPECT_EQ(std::string(key.joinRootAndBranch(" \t", test.path.c_str(), false)), test.below);
    EXPECT_TRUE(key.isOpen());
    EXPECT_EQ(key.joinRootAndBranch("erreur", test.below.c_str(), false), nullptr);
}

TEST(RegistryPaths, OpeningWithCreateMakesMissingKeysOnlyWhenAsked) {
    TestKey test;
    CapturedDiagnostics errors;
    RegistryKey key;
    key.openPath((test / "A\\B").c_str(), false);
    EXPECT_FALSE(key.isOpen());
    EXPECT_FALSE(exists(test.path));
    key.openPath((test / "A\\B").c_str(), true);
    EXPECT_TRUE(key.isOpen());
    EXPECT_TRUE(exists(test / "A\\B"));
    EXPECT_EQ(errors.text(), "");
}

TEST(RegistryPaths, SubkeysListInReverseEnumerationOrder) {
    TestKey test;
    for (const char* name : {"A", "B", "C"}) create(test / name);
    RegistryKey key;
    key.openPath(test.path.c_str(), false);
    EXPECT_EQ(names(key.listSubkeys(true, false)), (std::vector<std::string>{"C", "B", "A"}));
    ASSERT_TRUE(key.queryInfo());
    EXPECT_EQ(key.info().subkeyCount, 3u);
    // Detached, the list is the caller's and the next listing reads again.
    ParamNodeList detached = key.listSubkeys(false, true);
    EXPECT_EQ(listCount(detached), 3);
    listClear(detached);
    create(test / "D");
    EXPECT_EQ(names(key.listSubkeys(false, false)).front(), "D");
}

TEST(RegistryPaths, DeletingATreeRemovesEverythingBelow) {
    TestKey test;
    create(test / "A\\B\\C", "x");
    create(test / "A\\D", "y");
    create(test / "E", "z");
    RegistryKey key;
    key.openPath((test / "A").c_str(), false);
    EXPECT_TRUE(key.deleteTree());
    EXPECT_FALSE(key.isOpen());
    EXPECT_FALSE(exists(test / "A"));
    EXPECT_TRUE(exists(test / "E"));
}

TEST(RegistryPaths, ARootKeyIsNeverDeleted) {
    TestKey test;
    create(test.path, "x");
    CapturedDiagnostics errors;
    RegistryKey key;
    key.openPath("HKEY_CURRENT_USER", false);
    EXPECT_FALSE(key.deleteTree());
    EXPECT_EQ(errors.text(), "Erreur de retrait du registre\n");
    EXPECT_TRUE(exists(test.path));
}
