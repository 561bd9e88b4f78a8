// Conditions, prompts and variable commands, with the scripted responder answering.

#include "params/variable_store.h"
#include "platform/path_names.h"
#include "script/installation_walk.h"
#include "script_fixture.h"
#include "session/run_state.h"
#include "session/stores.h"

namespace {

// A keyed command whose result shows as the variable named by its "Oui" or "Non" branch.
std::string condition(const std::string& keyword, const std::string& keys,
                      const std::string& flag) {
    return "    " + keyword + "\n    +\n        " + keys + "\n        Oui = \"" + flag +
           "_OUI\"\n        Non = \"" + flag + "_NON\"\n    -\n";
}

std::string script(const std::string& commands) {
    return "Installe\n+\n" + commands + "-\n";
}

std::string answerOf(const char* flag) {
    bool yes = isDefined((std::string(flag) + "_OUI").c_str());
    bool no = isDefined((std::string(flag) + "_NON").c_str());
    return yes == no ? "both or neither" : yes ? "Oui" : "Non";
}

// A condition with its keys and the branch it must take.
struct ConditionCase {
    std::string keyword;
    std::string keys;
    const char* answer;
};

}  // namespace

class ConditionTest : public ScriptTest {
protected:
    // Runs the conditions as one script and checks the branch each one took.
    void expectAnswers(const std::vector<ConditionCase>& cases) {
        std::string commands;
        for (size_t i = 0; i < cases.size(); ++i) {
            commands += condition(cases[i].keyword, cases[i].keys, "c" + std::to_string(i));
        }
        run(script(commands));
        for (size_t i = 0; i < cases.size(); ++i) {
            EXPECT_EQ(answerOf(("c" + std::to_string(i)).c_str()), cases[i].answer)
                << cases[i].keyword << " " << cases[i].keys;
        }
    }
};

TEST_F(ConditionTest, ComparisonsFollowTheirOwnRules) {
    expectAnswers({
        {"SI_EGAL", R"(Chaine1 = "été" Chaine2 = "ETE")", "Oui"},
        {"SI_EGAL", R"(Chaine1 = "ça" Chaine2 = "ÇA")", "Non"},
        {"SI_EGAL", R"(Chaine1 = "ab" Chaine2 = "abc")", "Non"},
        {"SI_SUP", R"(Chaine1 = "10" Chaine2 = "9")", "Oui"},
        {"SI_SUP", R"(Chaine1 = "abc" Chaine2 = "0")", "Non"},
        {"SI_SUP", R"(Chaine1 = " 2.5kg")", "Oui"},
        {"SI_SUP", R"(Chaine2 = "-1e1")", "Oui"},
        {"SI_STRSTR", R"(Chaine1 = "Windows 7" Chaine2 = "WINDOWS")", "Oui"},
        {"SI_STRSTR", R"(Chaine1 = "Windows 7" Chaine2 = "WINDOWS" FLAGS = "1")", "Non"},
        {"SI_STRSTR", R"(Chaine1 = "ÉTÉ" Chaine2 = "été")", "Non"},
        {"SI_STRSTR", R"(Chaine1 = "abc" Chaine2 = "")", "Oui"},
    });
    EXPECT_TRUE(errors().empty());
}

TEST_F(ConditionTest, ExistenceTestsTellFilesFromFolders) {
    folder.write("file.txt", "x");
    folder.makeFolder("dir");
    auto path = [this](const char* name) { return "Chemin = \"" + (folder / name) + "\""; };
    expectAnswers({
        {"SI_FICHEXISTE", path("file.txt"), "Oui"},
        {"SI_FICHEXISTE", path("dir"), "Oui"},
        {"SI_FICHEXISTE", path("none"), "Non"},
        {"SI_REPEXISTE", path("dir"), "Oui"},
        {"SI_REPEXISTE", path("file.txt"), "Non"},
    });
}

TEST_F(ConditionTest, BranchesRunAsScriptsAndNest) {
    run(script(R"(
    SI_EGAL
    +
        Chaine1 = "a"  Chaine2 = "a"
        Oui
        +
            AFFECTE  +  outer = "1"  -
            SI_SUP
            +
                Chaine1 = "2"
                Oui  +  AFFECTE  +  inner = "1"  -  -
                Non  +  AFFECTE  +  wrong = "1"  -  -
            -
        -
    -
    SI_EGAL  +  Chaine1 = "a"  Chaine2 = "b"  Oui = "NEVER"  -
)"));
    expectVariables({
        {"outer", "1"},
        {"inner", "1"},
        {"wrong", "<undefined>"},
        {"NEVER", "<undefined>"},
    });
}

TEST_F(ConditionTest, ConfirmationAsksWithTranslatedTextsAndRunsTheAnswersBranch) {
    answers.answerYes(true);
    answers.answerYes(false);
    answers.answerYes(false);
    run(script(condition("CONFIRMATION", "Message = \"Continuer ?\" Titre = \"Question\"", "c1") +
               condition("CONFIRMATION", "Message = \"Encore ?\" Titre = \"Question\"", "c2") +
               R"(
    CONFIRMATION  +  Message = "Rien ?"  Titre = "Q"  Oui = "YES_ONLY"  -
    AFFECTE  +  after = "1"  -
)"));
    EXPECT_EQ(answerOf("c1"), "Oui");
    EXPECT_EQ(answerOf("c2"), "Non");
    EXPECT_EQ(variable("YES_ONLY"), "<undefined>");
    EXPECT_EQ(variable("after"), "1");
    Entries expected = {{"askYesNo", "Question"}, {"askYesNo", "Question"}, {"askYesNo", "Q"}};
    EXPECT_EQ(asked(), expected);
    EXPECT_STREQ(answers.asked.child(0)->valueOf("text"), "Continuer ?");
}

using PromptTest = ScriptTest;

TEST_F(PromptTest, InformationShowsOneBoxPerItem) {
    run(script(R"(
    INFORMATION  +  "Titre 1" = "Texte 1"  "Titre 2" = "Texte 2"  -
)"));
    Entries expected = {{"showMessage", "Titre 1"}, {"showMessage", "Titre 2"}};
    EXPECT_EQ(asked(), expected);
    EXPECT_STREQ(answers.asked.child(1)->valueOf("text"), "Texte 2");
}

TEST_F(PromptTest, ChoiceWithOneCandidateIsTakenWithoutAsking) {
    run(script(R"(
    IHM_LST  +  ChoixStat  +  "only" = "The only one"  -  IHM = "|ihm|"  Variable = "PICK"  -
)"));
    EXPECT_EQ(variable("PICK"), "only");
    EXPECT_TRUE(asked().empty());
    EXPECT_EQ(variable("IHM_LSTNB"), "0");
    EXPECT_FALSE(package->choiceList.children());
}

TEST_F(PromptTest, ChoiceWithTwoCandidatesAsksAndTakesTheAnswer) {
    answers.answerChoice("second");
    run(script(R"(
    IHM_LST  +  ChoixStat  +  first = "1"  second = "2"  -  Variable = "PICK"  -
    AFFECTE  +  counted = "${IHM_LSTNB}"  -
    IHM_LST  +  IHM = "|ihm|"  Titre = "Votre choix"  ParNom = "1"  Variable = "PICK"  -
)"));
    EXPECT_EQ(variable("counted"), "2");
    EXPECT_EQ(variable("PICK"), "second");
    Entries expected = {{"chooseFromList", "Sélection"}};
    EXPECT_EQ(asked(), expected);
    EXPECT_STREQ(answers.asked.child(0)->valueOf("text"), "Votre choix");
}

TEST_F(PromptTest, CancelledChoiceFallsBackToDefaut) {
    answers.answerChoice(nullptr);
    run(script(R"(
    IHM_LST  +  ChoixStat  +  a = "1"  b = "2"  -  IHM = "|ihm|"  Defaut = "fallback"  Variable = "PICK"  -
)"));
    EXPECT_EQ(variable("PICK"), "fallback");
}

TEST_F(PromptTest, AlwaysAskingWithNoCandidateShowsTheNoticeAndFallsBackToDefaut) {
    run(script(R"(
    IHM_LST  +  IHM = "|tjrs|"  Defaut = "fallback"  Variable = "PICK"  -
    IHM_LST  +  IHM = "|tjrs|"  Variable = "UNSET"  -
)"));
    EXPECT_EQ(variable("PICK"), "fallback");
    EXPECT_EQ(variable("UNSET"), "<undefined>");
    Entries expected = {{"notify", "Opération annulée"}, {"notify", "Opération annulée"}};
    EXPECT_EQ(asked(), expected);
    EXPECT_STREQ(answers.asked.child(0)->valueOf("text"), "Vous ne possédez pas d'objets");
}

TEST_F(PromptTest, CandidatesReplaceSameNamedOnesAndWithoutFlagsTheFirstIsTaken) {
    run(script(R"(
    IHM_LST  +  ChoixStat  +  x = "1"  y = "2"  -  Variable = "V"  -
    IHM_LST  +  ChoixStat  +  y = "3"  z = "4"  -  Variable = "V"  -
)"));
    EXPECT_EQ(variable("IHM_LSTNB"), "3");
    const ParamNode& choices = package->choiceList;
    ASSERT_EQ(choices.childCount(), 3);
    EXPECT_STREQ(choices.child(0)->name(), "x");
    EXPECT_STREQ(choices.child(1)->value(), "3");
    EXPECT_STREQ(choices.child(2)->name(), "z");
    EXPECT_EQ(variable("V"), "<undefined>");

    run(script(R"(
    IHM_LST  +  ChoixStat  +  a = "1"  b = "2"  -  IHM = ""  Variable = "V"  -
)"));
    EXPECT_EQ(variable("V"), "a");
    EXPECT_TRUE(asked().empty());
}

using VariableCommandTest = ScriptTest;

TEST_F(VariableCommandTest, PlageTakesItemsOrCharactersBetweenInclusiveBounds) {
    run(script(R"(
    PLAGE  +  Chaine = "a;b;c;d"  Separ = ";"  Min = "1"  Max = "2"  Memo = "M"  Variable = "R1"  -
    PLAGE  +  Chaine = "abcdef"  Min = "2"  Variable = "R2"  -
    PLAGE  +  Chaine = "a::b::c"  Separ = "::"  Min = "-5"  Variable = "R3"  -
    PLAGE  +  Chaine = "abc"  Min = "7"  Variable = "R4"  -
    PLAGE  +  Chaine = "one"  Separ = ","  Max = "0"  Variable = "R5"  -
    PLAGE  +  Chaine = "a;;b"  Separ = ";"  Memo = "E"  Variable = "R6"  -
    PLAGE  +  Chaine = "abc"  Separ = ""  Variable = "R7"  -
)"));
    expectVariables({
        {"R1", "b;c"},
        {"M0", "b"},
        {"M1", "c"},
        {"M2", "<undefined>"},
        {"R2", "cdef"},
        {"R3", "a::b::c"},
        {"R4", ""},
        {"R5", "one"},
        {"R6", "a;;b"},
        {"E1", ""},
        // An empty separator cuts into characters rather than finding itself forever.
        {"R7", "abc"},
    });
}

TEST_F(VariableCommandTest, AssignTranslateRemoveAndScriptErrors) {
    setVariable("OLD", "x");
    run(script(R"(
    AFFECTE  +  A = "1"  A = "2"  -
    TRADUIT  +  T = "Bonjour"  -
    VARKILL  +  OLD  NEVER_DEFINED  -
    ERREUR  +  Etape = "premier"  Autre = "x"  Etape = "second"  -
)"));
    expectVariables({
        {"A", "2"},
        {"T", "Bonjour"},
        {"OLD", "<undefined>"},
    });
    Entries expected = {{"Autre", "x"}, {"Etape", "second"}};
    EXPECT_EQ(errors(), expected);
}

using InstallationTest = ScriptTest;

TEST_F(InstallationTest, WalkRunsSelectedPackagesParentsFirstAndSkipsUnselectedBranches) {
    auto installe = [](const std::string& name, const std::string& extra = "") {
        return extra + "Installe\n+\n    AFFECTE  +  ORDER = \"${ORDER}" + name +
               "\"  -\n    AFFECTE  +  \"at_" + name + "\" = \"${INSTALLE}\"  -\n-\n";
    };
    setVariable("ORDER", "");
    folder.write("a.cpx/install.ini", installe("a"));
    folder.write("a.cpx/deep.cpx/install.ini", installe("deep"));
    folder.write("b.cpx/install.ini", installe("b"));
    folder.write("off.cpx/install.ini", installe("off", "Produit\n+\n    EtatDef = \"0\"\n-\n"));
    folder.write("off.cpx/below.cpx/install.ini", installe("below"));
    Package& root = load(installe("root"));
    ASSERT_EQ(root.subPackages.size(), 3u);
    // The sub-packages run in the order of the package's list, whatever the folder order.
    std::string expected = "root";
    for (const auto& sub : root.subPackages) {
        if (BaseName(sub->folder.text()).text() == std::string("a.cpx")) expected += "adeep";
        if (BaseName(sub->folder.text()).text() == std::string("b.cpx")) expected += "b";
    }
    runInstallation(root);
    expectVariables({
        {"ORDER", expected},
        {"at_root", folder.path},
        {"at_off", "<undefined>"},
        {"at_below", "<undefined>"},
    });
    EXPECT_EQ(RunningPackage().load(), nullptr);
    EXPECT_EQ(ScriptProgress().count.load(), 2);
}
