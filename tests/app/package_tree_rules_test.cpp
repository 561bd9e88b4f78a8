// What the run takes from the package tree: the translation tables and the shortcut mode the
// wizard starts with.
#include <gtest/gtest.h>

#include "app/install_session.h"
#include "app/session_startup.h"
#include "app/wizard_pages.h"
#include "packages/package.h"
#include "scratch_folder.h"
#include "session/translation.h"

TEST(PackageTreeRules, TranslationsMergeSubPackagesFirstAndTheRootLast) {
    ScratchFolder root("translations");
    root.write("install.ini", "Traduction\n+\nen\n+\n\"Fermer\" = \"Close (root)\"\n-\n-\n");
    root.write("a.cpx/install.ini",
               "Traduction\n+\nen\n+\n\"Fermer\" = \"Close (a)\"\n\"Suivant\" = \"Next\"\n-\n"
               "de\n+\n\"Fermer\" = \"Schliessen\"\n-\n-\n");
    Package package(root.path.c_str(), nullptr);

    ParamNode translations;
    mergeTranslations(translations, package);
    ASSERT_NE(nullptr, translations.find("en"));
    EXPECT_STREQ("Close (root)", translations.find("en")->valueOf("Fermer"));
    EXPECT_STREQ("Next", translations.find("en")->valueOf("Suivant"));
    EXPECT_STREQ("Schliessen", translations.find("de")->valueOf("Fermer"));
}

TEST(PackageTreeRules, ShortcutModeFromMdeInst) {
    ScratchFolder root("shortcut-mode");
    const struct {
        const char* setting;
        int mode;
    } cases[] = {{"", defaultShortcutMode}, {"MdeInst = 0\n", defaultShortcutMode},
                 {"MdeInst = 1\n", 0},      {"MdeInst = 3\n", 2},
                 {"MdeInst = -1\n", 0},     {"MdeInst = -3\n", 2}};
    for (const auto& c : cases) {
        root.write("var.ini", c.setting);
        Package package(root.path.c_str(), nullptr);
        EXPECT_EQ(c.mode, shortcutModeFrom(package)) << c.setting;
    }
}
