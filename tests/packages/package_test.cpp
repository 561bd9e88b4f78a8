#include "packages/package.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/folder_enumerator.h"
#include "platform/registry_key.h"
#include "scratch_folder.h"
#include "session/reset.h"
#include "session/translation.h"
#include "scripted_responder.h"

namespace {

// The interface language for the life of the object.
struct SessionInLanguage {
    explicit SessionInLanguage(const char* language) { Language().assign(language); }
    ~SessionInLanguage() { resetSession(); }
};

std::vector<std::string> enumeratedFolders(const std::string& pattern) {
    std::vector<std::string> names;
    FolderEnumerator entries;
    FolderEntry entry;
    if (entries.Open(pattern.c_str(), ListingOf::matches)) {
        while (entries.Next(entry)) {
            if (entry.isFolder) names.push_back(entry.name.text());
        }
    }
    return names;
}

}  // namespace

TEST(Package, SubPackagesAreCpxFoldersInReverseEnumerationOrder) {
    ScratchFolder root("package-tree");
    root.write("install.ini", "Produit\n+\nID = \"ROOT\"\n-\n");
    root.write("a.cpx/install.ini", "Produit\n+\nID = \"A\"\n-\n");
    root.write("b.cpx/install.ini", "Produit\n+\nID = \"B\"\nEtatDef = 0\n-\n");
    root.write("c.cpx", "a file, not a package");
    root.makeFolder("d.txt");

    Package package(root.path.c_str(), nullptr);
    EXPECT_STREQ("ROOT", package.id.text());
    ASSERT_EQ(2u, package.subPackages.size());
    std::vector<std::string> order = enumeratedFolders(root / "*.cpx");
    ASSERT_EQ(2u, order.size());
    EXPECT_EQ(root.path + "\\" + order[1], package.subPackages[0]->folder.text());
    EXPECT_EQ(root.path + "\\" + order[0], package.subPackages[1]->folder.text());
    for (auto& sub : package.subPackages) {
        EXPECT_EQ(&package, sub->parent);
        bool isB = std::string(sub->id.text()) == "B";
        EXPECT_EQ(isB ? 0 : 1, sub->state) << sub->id.text();
    }
    EXPECT_NE(std::string(package.identity().text()), package.subPackages[0]->identity().text());
}

TEST(Package, MissingFilesGiveEmptyTreesAndTheNullIdentifier) {
    ScratchFolder root("package-empty");
    Package package((root / "absent").c_str(), nullptr);
    EXPECT_STREQ("null", package.id.text());
    EXPECT_EQ(1, package.state);
    EXPECT_TRUE(package.subPackages.empty());
    // The lookup created an empty "Produit" block at the front.
    ASSERT_NE(nullptr, package.installTree.child(0));
    EXPECT_STREQ("Produit", package.installTree.child(0)->name());
}

TEST(Package, LanguageSuffixedBlocksWin) {
    ScratchFolder root("package-language");
    root.write("install.ini",
               "Produit\n+\nID = \"FR\"\n-\n"
               "Produit-EN\n+\nID = \"EN\"\nEtatDef = 0\n-\n");
    {
        SessionInLanguage english("EN");
        Package package(root.path.c_str(), nullptr);
        EXPECT_STREQ("EN", package.id.text());
        EXPECT_EQ(0, package.state);
    }
    SessionInLanguage german("DE");
    Package package(root.path.c_str(), nullptr);
    EXPECT_STREQ("FR", package.id.text());
    EXPECT_EQ(1, package.state);
}

TEST(Package, LayersOverrideAndInheritedLayersReachEverySubPackage) {
    ScratchFolder root("package-layers");
    root.write("install.ini", "Globale\n+\nA = \"global\"\n-\n");
    root.write("install.inp", "Installe\n+\nAFFECTE\n+\nValeur = \"from inp\"\n-\nMKDIR\n-\n");
    root.write("var.ini", "A = \"1\"\nB = \"2\"\n");
    root.write("var.ins", "B = \"ins\"\nC = \"3\"\n");
    root.write("sub.cpx/install.ini", "Installe\n+\nAFFECTE\n+\nVariable = \"Y\"\n-\n-\n");

    Package package(root.path.c_str(), nullptr);
    EXPECT_STREQ("global", package.varTree.valueOf("A"));
    EXPECT_STREQ("ins", package.varTree.valueOf("B"));
    EXPECT_STREQ("3", package.varTree.valueOf("C"));

    ASSERT_EQ(1u, package.subPackages.size());
    ParamNode* install = package.subPackages[0]->installTree.find("Installe");
    ASSERT_NE(nullptr, install);
    ParamNode* assign = install->find("AFFECTE");
    ASSERT_NE(nullptr, assign);
    EXPECT_STREQ("Y", assign->valueOf("Variable"));
    EXPECT_STREQ("from inp", assign->valueOf("Valeur"));
    EXPECT_NE(nullptr, install->find("MKDIR"));
}

TEST(Package, SelectionAsksOnlyWhenTheStateChangesAndAMessageIsSet) {
    ScratchFolder root("package-select");
    root.write("install.ini", "Produit\n+\nMessEtat0 = \" \"\nMessEtat1 = \"Vraiment ?\"\n-\n");
    Package package(root.path.c_str(), nullptr);
    ScriptedResponder script;

    EXPECT_TRUE(package.setSelected(5));  // already selected: nothing asked
    EXPECT_TRUE(package.setSelected(0));  // blank message: nothing asked
    EXPECT_EQ(0, package.state);
    EXPECT_EQ(0, script.asked.childCount());

    script.answerYes(false);
    EXPECT_FALSE(package.setSelected(1));
    EXPECT_EQ(0, package.state);
    script.answerYes(true);
    EXPECT_TRUE(package.setSelected(1));
    EXPECT_EQ(1, package.state);
    ASSERT_EQ(2, script.asked.childCount());
    EXPECT_STREQ("Appliquer le changement ?", script.asked.child(0)->value());
    EXPECT_STREQ("Vraiment ?", script.asked.child(0)->valueOf("text"));
}

TEST(Package, InterfaceLanguageRoundTripsThroughTheRegistry) {
    ScratchFolder root("package-registry");
    const std::string key = "HKEY_CURRENT_USER\\Software\\InstallerUnitTests\\Package" +
                            std::to_string(reinterpret_cast<uintptr_t>(&root) % 100000);
    root.write("install.ini",
               "Langue\n+\n\"" + key + "\\Missing\" = \"Lang\"\n\"" + key + "\" = \"Lang\"\n-\n");
    Package package(root.path.c_str(), nullptr);
    TextBuffer language("fr");
    package.readLanguage(language);
    EXPECT_STREQ("fr", language.text());

    package.writeLanguage("en");
    package.readLanguage(language);
    EXPECT_STREQ("en", language.text());

    RegistryKey cleanup;
    cleanup.allowWriting();
    cleanup.openPath("HKEY_CURRENT_USER\\Software\\InstallerUnitTests", KeyOpening::existing);
    cleanup.deleteTree();
}
