#include "app/answering_responder.h"

#include <gtest/gtest.h>

#include <string>

#include "app/answers.h"
#include "params/param_node.h"
#include "scratch_folder.h"
#include "scripted_responder.h"

namespace {

struct Answering : ::testing::Test {
    ScratchFolder folder{"answers"};
    ParamNode answers;
    TextBuffer error;
    // Records what reaches the person; the responder under test asks it only when told to.
    ScriptedResponder person;

    void read(const std::string& text) {
        folder.write("answers.txt", text);
        ASSERT_TRUE(readAnswersFile((folder / "answers.txt").c_str(), answers, error));
    }
};

}  // namespace

TEST_F(Answering, MissingOrMalformedFilesAreRefusedWithTheirName) {
    folder.write("bad.txt", "Produit\n+\n\tA = 1\n-\nReponse =");
    for (std::string path : {folder / "none.txt", folder / "bad.txt"}) {
        EXPECT_FALSE(readAnswersFile(path.c_str(), answers, error));
        EXPECT_EQ("R\xE9ponses illisibles : " + path, error.text());
    }
}

// A file saved as UTF-8, with or without its mark, reads as the Windows-1252 it stands for; a
// character that code page lacks is refused with its line.
TEST_F(Answering, Utf8FilesAreConverted) {
    for (const std::string& mark : {std::string("\xEF\xBB\xBF"), std::string()}) {
        read(mark + "Variable\n+\n\tDOSSIER = \"Utf8 \xC3\xA9t\xC3\xA9 \xE2\x82\xAC\"\n-\n");
        EXPECT_STREQ("Utf8 \xE9t\xE9 \x80", answers.find("Variable")->valueOf("DOSSIER"));
    }
    folder.write("answers.txt", "Variable\n+\n\tNOM = \"\xE2\x88\x9E\"\n-\n");
    EXPECT_FALSE(readAnswersFile((folder / "answers.txt").c_str(), answers, error));
    EXPECT_EQ("R\xE9ponses illisibles : " + (folder / "answers.txt") +
                  " (ligne 3 : caract\xE8re hors de Windows-1252)",
              error.text());
}

// Without a person, questions the file does not answer take their defaults; each question and
// start-up message is a line of the log, and nothing reaches anyone.
TEST_F(Answering, QuietRunsAnswerFromTheFileElseByDefault) {
    read("Reponse\n+\n\t\"Continuer ?\" = \"Non\"\n\t\"Votre version\" = \"2\"\n-\n");
    AnsweringResponder quiet(nullptr, answers);
    TextBuffer text;
    EXPECT_FALSE(quiet.askYesNo("Question", "Continuer ?"));
    EXPECT_TRUE(quiet.askYesNo("Question", "Autre ?"));
    EXPECT_STREQ("2", quiet.chooseFromList("S\xE9lection", "Votre version", nullptr, 0, -1));
    EXPECT_EQ(nullptr, quiet.chooseFromList("S\xE9lection", "Choisissez", nullptr, 0, -1));
    EXPECT_FALSE(quiet.askText("Saisie", "Votre nom", "initial", text));
    quiet.startupMessage("Erreur", "Le fichier contient des erreurs");
    quiet.notify("Avis", "Fini");
    EXPECT_EQ(nullptr, person.asked.children());
    EXPECT_STREQ(
        "Continuer ? -> Non\r\n"
        "Autre ? -> Oui (d\xE9" "faut)\r\n"
        "Votre version -> 2\r\n"
        "Choisissez ->  (d\xE9" "faut)\r\n"
        "Le fichier contient des erreurs\r\n",
        quiet.log.text());
}

TEST_F(Answering, APersonAnswersWhatTheFileDoesNot) {
    read("Reponse\n+\n\t\"Continuer ?\" = \"Oui\"\n-\n");
    person.answerYes(false);
    AnsweringResponder answering(&person, answers);
    EXPECT_TRUE(answering.askYesNo("Q", "Continuer ?"));
    EXPECT_FALSE(answering.askYesNo("Q", "Vraiment ?"));
    answering.startupMessage("Erreur", "Panne");
    ASSERT_EQ(2, person.asked.childCount());
    EXPECT_STREQ("Vraiment ?", person.asked.child(0)->valueOf("text"));
    EXPECT_STREQ("startupMessage", person.asked.child(1)->name());
    EXPECT_STREQ("Continuer ? -> Oui\r\nVraiment ? -> Non\r\nPanne\r\n", answering.log.text());
}
