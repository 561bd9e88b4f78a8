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
    key.openPath(path.c_str(), KeyOpening::existing);
    return key.isOpen();
}

void create(const std::string& path, const char* value = nullptr) {
    RegistryKey key;
    key.allowWriting();
    key.openPath(path.c_str(), KeyOpening::create);
    ASSERT_TRUE(key.isOpen()) << path;
    if (value) {
        ASSERT_TRUE(key.writeValue("v", value, IntegerNodes::asString));
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
    EXPECT_EQ(std::string(key.openPath(slashed.c_str(), KeyOpening::existing)),
              test.below + "\\A\\B");
    ASSERT_TRUE(key.isOpen());
    EXPECT_STREQ(key.readValue("v", KeyListing::cached, ValueForm::typed), "x");
}

TEST(RegistryPaths, RootNamesAreExactAndARootAloneOpensTheRoot) {
    TestKey test;
    create(test.path, "x");
    RegistryKey key;
    EXPECT_STREQ(key.openPath("HKEY_CURRENT_USER", KeyOpening::existing), "");
    ASSERT_TRUE(key.isOpen());
    std::string software;
    for (const std::string& name : names(key.listSubkeys(KeyListing::reread)))
        if (name == "Software" || name == "SOFTWARE") software = name;
    EXPECT_FALSE(software.empty());

    std::string lower = "hkey_current_user\\" + test.below;
    EXPECT_EQ(key.openPath(lower.c_str(), KeyOpening::create), nullptr);
    EXPECT_FALSE(key.isOpen());
    EXPECT_EQ(key.path(), nullptr);
    EXPECT_EQ(key.openPath("HKEY_NOWHERE", KeyOpening::create), nullptr);
    // A closed key answers nothing and fails every operation.
    EXPECT_EQ(key.listValues(KeyListing::reread, ValueForm::typed), nullptr);
    EXPECT_EQ(key.listSubkeys(KeyListing::reread), nullptr);
    EXPECT_EQ(key.readValue("v", KeyListing::reread, ValueForm::typed), nullptr);
    EXPECT_FALSE(key.writeValue("v", "y", IntegerNodes::asString));
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
    parent.openPath(test.path.c_str(), KeyOpening::existing);
    EXPECT_EQ(std::string(key.openUnder(parent, KeyOpening::existing, "A", nullptr, "B/C")),
              test.below + "\\A\\B\\C");
    EXPECT_TRUE(key.isOpen());
    // An empty piece still adds its separator.
    EXPECT_EQ(std::string(key.openUnder(parent, KeyOpening::existing, "A", "", "B")),
              test.below + "\\A\\\\B");
    // The parent may be the key itself.
    key.openPath(test.path.c_str(), KeyOpening::existing);
    EXPECT_EQ(std::string(key.openUnder(key, KeyOpening::existing, "A")), test.below + "\\A");
    EXPECT_TRUE(key.isOpen());
}

TEST(RegistryPaths, RootAndBranchJoinUnlessTheRootIsBlank) {
    TestKey test;
    create(test.path, "x");
    RegistryKey key;
    EXPECT_EQ(std::string(key.joinRootAndBranch("HKEY_CURRENT_USER", test.below.c_str(),
                                                KeyOpening::existing)),
              test.below);
    EXPECT_STREQ(key.readValue("v", KeyListing::cached, ValueForm::typed), "x");
    EXPECT_EQ(std::string(key.joinRootAndBranch(" \t", test.path.c_str(), KeyOpening::existing)),
              test.below);
    EXPECT_TRUE(key.isOpen());
    EXPECT_EQ(key.joinRootAndBranch("erreur", test.below.c_str(), KeyOpening::existing), nullptr);
}

TEST(RegistryPaths, OpeningWithCreateMakesMissingKeysOnlyWhenAsked) {
    TestKey test;
    CapturedDiagnostics errors;
    RegistryKey key;
    key.openPath((test / "A\\B").c_str(), KeyOpening::existing);
    EXPECT_FALSE(key.isOpen());
    EXPECT_FALSE(exists(test.path));
    key.openPath((test / "A\\B").c_str(), KeyOpening::create);
    EXPECT_TRUE(key.isOpen());
    EXPECT_TRUE(exists(test / "A\\B"));
    EXPECT_EQ(errors.text(), "");
}

TEST(RegistryPaths, SubkeysListInReverseEnumerationOrder) {
    TestKey test;
    for (const char* name : {"A", "B", "C"}) create(test / name);
    RegistryKey key;
    key.openPath(test.path.c_str(), KeyOpening::existing);
    EXPECT_EQ(names(key.listSubkeys(KeyListing::reread)),
              (std::vector<std::string>{"C", "B", "A"}));
    ASSERT_TRUE(key.queryInfo());
    EXPECT_EQ(key.info().subkeyCount, 3u);
    // Detached, the list is the caller's and the next listing reads again.
    ParamNodeList detached = key.listSubkeys(KeyListing::cached, SubkeyOwner::caller);
    EXPECT_EQ(listCount(detached), 3);
    listClear(detached);
    create(test / "D");
    EXPECT_EQ(names(key.listSubkeys(KeyListing::cached)).front(), "D");
}

TEST(RegistryPaths, DeletingATreeRemovesEverythingBelow) {
    TestKey test;
    create(test / "A\\B\\C", "x");
    create(test / "A\\D", "y");
    create(test / "E", "z");
    RegistryKey key;
    key.openPath((test / "A").c_str(), KeyOpening::existing);
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
    key.openPath("HKEY_CURRENT_USER", KeyOpening::existing);
    EXPECT_FALSE(key.deleteTree());
    EXPECT_EQ(errors.text(), "Erreur de retrait du registre\n");
    EXPECT_TRUE(exists(test.path));
}
