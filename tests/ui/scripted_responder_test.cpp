#include "scripted_responder.h"

#include <gtest/gtest.h>

TEST(ScriptedResponder, AnswersInOrderAndRecordsEveryQuestion) {
    ScriptedResponder script;
    script.answerYes(true);
    script.answerChoice("B");
    script.answerChoice(nullptr);
    script.answerChoice("tap\xE9");
    script.answerChoice(nullptr);
    script.answerYes(true);

    EXPECT_TRUE(responder().askYesNo("Titre", "Continuer ?"));
    EXPECT_STREQ("B", responder().chooseFromList("Choix", "Lequel ?", nullptr, 1, -1));
    EXPECT_EQ(nullptr, responder().chooseFromList("Choix", "Encore ?", nullptr, 1, -1));
    TextBuffer typed("avant");
    EXPECT_TRUE(responder().askText("Saisie", "Valeur ?", "avant", typed));
    EXPECT_STREQ("tap\xE9", typed.text());
    EXPECT_FALSE(responder().askText("Saisie", "Annul\xE9 ?", "avant", typed));
    EXPECT_STREQ("tap\xE9", typed.text());
    EXPECT_TRUE(responder().confirm("Confirmation", "Texte"));
    EXPECT_FALSE(responder().askYesNo("Titre", "Queue vide"));
    responder().startupMessage("Erreur", "Texte");

    ASSERT_EQ(8, script.asked.childCount());
    EXPECT_STREQ("askYesNo", script.asked.child(0)->name());
    EXPECT_STREQ("Continuer ?", script.asked.child(0)->valueOf("text", nullptr, nullptr));
    EXPECT_STREQ("askText", script.asked.child(3)->name());
    EXPECT_STREQ("confirm", script.asked.child(5)->name());
    EXPECT_STREQ("startupMessage", script.asked.child(7)->name());
    EXPECT_STREQ("Erreur", script.asked.child(7)->value());
}

TEST(ScriptedResponder, RestoresThePreviousResponderWhenDestroyed) {
    Responder* before = &responder();
    {
        ScriptedResponder outer;
        {
            ScriptedResponder inner;
            EXPECT_EQ(&inner, &responder());
        }
        EXPECT_EQ(&outer, &responder());
    }
    EXPECT_EQ(before, &responder());
}
