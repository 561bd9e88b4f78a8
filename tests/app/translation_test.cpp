#include "app/translation.h"

#include <gtest/gtest.h>

#include "app/install_session.h"

namespace {

// A session whose "en" table holds Fermer = Close.
struct EnglishSession : InstallSession {
    EnglishSession() : InstallSession(InstallSession::noStartup) {
        Language.assign("en");
        ParamNode* table = Translations.findOrCreate("en");
        table->findOrCreate("Fermer")->setText("Close");
        table->findOrCreate("Vide")->setText("");
    }
};

}  // namespace

TEST(Translate, OnlyWhileASessionExists) {
    const char* text = "Fermer";
    EXPECT_EQ(translate(text), text);
    EXPECT_STREQ(sessionLanguage(), "");
    {
        EnglishSession session;
        EXPECT_STREQ(translate(text), "Close");
        EXPECT_STREQ(sessionLanguage(), "en");
    }
    EXPECT_EQ(translate(text), text);
    EXPECT_STREQ(sessionLanguage(), "");
}

TEST(Translate, ExactCaseSensitiveLookupInTheSessionLanguage) {
    EnglishSession session;
    EXPECT_STREQ(translate("Fermer"), "Close");
    EXPECT_STREQ(translate("fermer"), "fermer");
    EXPECT_STREQ(translate("Fermer "), "Fermer ");
    EXPECT_STREQ(translate("Vide"), "");
    // The language code names its table exactly.
    session.Language.assign("EN");
    EXPECT_STREQ(translate("Fermer"), "Fermer");
    // French has no table of its own unless the packages supply one.
    session.Language.assign("fr");
    EXPECT_STREQ(translate("Fermer"), "Fermer");
    session.Translations.findOrCreate("fr")->findOrCreate("Fermer")->setText("Quitter");
    EXPECT_STREQ(translate("Fermer"), "Quitter");
}

TEST(Translate, BlankLanguageTranslatesNothing) {
    EnglishSession session;
    for (const char* blank : {"", " ", " \t\r\n"}) {
        session.Language.assign(blank);
        session.Translations.findOrCreate(blank)->findOrCreate("Fermer")->setText("X");
        EXPECT_STREQ(translate("Fermer"), "Fermer") << '"' << blank << '"';
    }
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
