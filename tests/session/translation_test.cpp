#include "session/translation.h"

#include <gtest/gtest.h>

#include "session/reset.h"

namespace {

// The interface language "en", whose table holds Fermer = Close.
struct English : ::testing::Test {
    English() {
        Language().assign("en");
        ParamNode* table = Translations().findOrCreate("en");
        table->findOrCreate("Fermer")->setText("Close");
        table->findOrCreate("Vide")->setText("");
    }
    ~English() override { resetSession(); }
};

}  // namespace

TEST_F(English, ExactCaseSensitiveLookupInTheInterfaceLanguage) {
    EXPECT_STREQ(translate("Fermer"), "Close");
    EXPECT_STREQ(translate("fermer"), "fermer");
    EXPECT_STREQ(translate("Fermer "), "Fermer ");
    EXPECT_STREQ(translate("Vide"), "");
    // The language code names its table exactly.
    Language().assign("EN");
    EXPECT_STREQ(translate("Fermer"), "Fermer");
    // French has no table of its own unless the packages supply one.
    Language().assign("fr");
    EXPECT_STREQ(translate("Fermer"), "Fermer");
    Translations().findOrCreate("fr")->findOrCreate("Fermer")->setText("Quitter");
    EXPECT_STREQ(translate("Fermer"), "Quitter");
}

TEST_F(English, BlankLanguageTranslatesNothing) {
    for (const char* blank : {"", " ", " \t\r\n"}) {
        Language().assign(blank);
        Translations().findOrCreate(blank)->findOrCreate("Fermer")->setText("X");
        EXPECT_STREQ(translate("Fermer"), "Fermer") << '"' << blank << '"';
    }
    // A fresh process has a blank language.
    resetSession();
    const char* text = "Fermer";
    EXPECT_EQ(translate(text), text);
}

TEST(LanguageFromProgramName, TwoLettersAfterADashSevenFromTheEnd) {
    EXPECT_STREQ(languageFromProgramName("setup-en.exe").text(), "en");
    EXPECT_STREQ(languageFromProgramName("C:\\Program Files\\x-y\\setup-de.exe").text(), "de");
    EXPECT_STREQ(languageFromProgramName("-it.exe").text(), "it");
    EXPECT_STREQ(languageFromProgramName("setup.exe").text(), "fr");
    EXPECT_STREQ(languageFromProgramName("a-b.exe").text(), "fr");
    EXPECT_STREQ(languageFromProgramName("setup-en.ex").text(), "fr");
    EXPECT_STREQ(languageFromProgramName("").text(), "fr");
    EXPECT_STREQ(languageFromProgramName(nullptr).text(), "fr");
}
