#include "app/answering_responder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/answers.h"
#include "params/param_node.h"
#include "scratch_folder.h"
#include "ui/scripted_responder.h"

namespace {

struct Answering : ::testing::Test {
    ScratchFolder folder{"answers"};
    ParamNode answers;
    TextBuffer error;

    void read(const std::string& text) {
        folder.write("answers.txt", text);
        ASSERT_TRUE(readAnswersFile((folder / "answers.txt").c_str(), answers, error));
    }
};

}  // namespace

TEST_F(Answering, MissingOrMalformedFilesAreRefusedWithTheirName) {
    std::string missing = folder / "none.txt";
    EXPECT_FALSE(readAnswersFile(missing.c_str(), answers, error));
    EXPECT_EQ("Fichier de r\xE9ponses introuvable : " + missing, error.text());
    folder.write("bad.txt", "Produits\n+\n\tA = 1\n-\nReponses =");
    std::string bad = folder / "bad.txt";
    EXPECT_FALSE(readAnswersFile(bad.c_str(), answers, error));
    EXPECT_EQ("Fichier de r\xE9ponses incorrect : " + bad, error.text());
}

// Without a person, questions the file does not answer take their defaults; each one is logged.
TEST_F(Answering, QuietRunsAnswerFromTheFileElseByDefault) {
    read("Reponses\n+\n\t\"Continuer ?\" = \"Non\"\n\t\"Saisie\" = \"typed\"\n-\n");
    ScriptedResponder unused;
    AnsweringResponder quiet(nullptr, answers);
    TextBuffer text;
    EXPECT_FALSE(quiet.askYesNo("Question", "Continuer ?"));
    EXPECT_TRUE(quiet.askYesNo("Question", "Autre\nligne ?"));
    EXPECT_TRUE(quiet.askText("Saisie", "Votre nom", "initial", text));
    EXPECT_STREQ("typed", text.text());
    EXPECT_TRUE(quiet.askText("Titre", "Autre", "initial", text));
    EXPECT_STREQ("initial", text.text());
    EXPECT_EQ(nullptr, quiet.chooseFromList("S\xE9lection", "Choisissez", nullptr, 0, -1));
    quiet.notify("Avis", "Fini");
    EXPECT_EQ(nullptr, unused.asked.children());
    EXPECT_STREQ(
        "Question [Question] Continuer ? -> Non (fichier de r\xE9ponses)\r\n"
        "Question [Question] Autre ligne ? -> Oui (d\xE9" "faut)\r\n"
        "Question [Saisie] Votre nom -> typed (fichier de r\xE9ponses)\r\n"
        "Question [Titre] Autre -> initial (d\xE9" "faut)\r\n"
        "Question [S\xE9lection] Choisissez -> (aucun choix) (d\xE9" "faut)\r\n"
        "Message [Avis] Fini\r\n",
        quiet.log.text());
}

TEST_F(Answering, APersonAnswersWhatTheFileDoesNot) {
    read("Reponses\n+\n\t\"Continuer ?\" = \"Oui\"\n-\n");
    ScriptedResponder person;
    person.answerYes(false);
    AnsweringResponder answering(&person, answers);
    EXPECT_TRUE(answering.confirm("Q", "Continuer ?"));
    EXPECT_FALSE(answering.confirm("Q", "Vraiment ?"));
    answering.startupMessage("Erreur", "Panne");
    ASSERT_EQ(2, person.asked.childCount());
    EXPECT_STREQ("Vraiment ?", person.asked.child(0)->valueOf("text"));
    EXPECT_STREQ("startupMessage", person.asked.child(1)->name());
    EXPECT_NE(nullptr, std::strstr(answering.log.text(), "Vraiment ? -> Non (utilisateur)"));
}
