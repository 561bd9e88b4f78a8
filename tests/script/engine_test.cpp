// The interpreter core: guards, expansion depth, keyword prefixes, dispatch, sub-functions,
// progress and the per-item error rules.

#include <cerrno>
#include <cstring>

#include "params/variable_store.h"
#include "script/run_limits.h"
#include "script/script_engine.h"
#include "script_fixture.h"
#include "session/run_state.h"
#include "session/stores.h"

using EngineTest = ScriptTest;

TEST_F(EngineTest, GuardsDecideWhetherACommandRuns) {
    setVariable("ON", "1");
    setVariable("A!B", "1");
    run(R"(
Installe
+
    AFFECTE = "   "      +  blank = "runs"  -
    AFFECTE = "ON&"      +  defined = "runs"  -
    AFFECTE = "OFF&"     +  undefined = "runs"  -
    AFFECTE = "OFF!"     +  notDefined = "runs"  -
    AFFECTE = "ON!"      +  notUndefined = "runs"  -
    AFFECTE = "ON&OFF!"  +  chained = "runs"  -
    AFFECTE = "ON&OFF&"  +  chainedFails = "runs"  -
    AFFECTE = "A!B&"     +  ampersandFirst = "runs"  -
    AFFECTE = "ABC"      +  noOperator = "runs"  -
    AFFECTE = "OFF& "    +  trailing = "runs"  -
-
)");
    expectVariables({
        {"blank", "runs"},
        {"defined", "runs"},
        {"undefined", "<undefined>"},
        {"notDefined", "runs"},
        {"notUndefined", "<undefined>"},
        {"chained", "runs"},
        {"chainedFails", "<undefined>"},
        {"ampersandFirst", "runs"},
        {"noOperator", "runs"},
        {"trailing", "<undefined>"},
    });
    EXPECT_TRUE(errors().empty());
}

TEST_F(EngineTest, ExpansionDepthLimitsWhatIsExpandedButNotTheBackslashCharacter) {
    setVariable("X", "v");
    run(R"(
Installe
+
    "0AFFECTE"  +  "${X}zero" = "${X}"  Path0 = "a¤b"  -
    "1AFFECTE"  +  "${X}one" = "${X}"  -
    AFFECTE     +  "${X}all" = "${X}"  -
    "1SI_EGAL"
    +
        Chaine1 = "${X}"  Chaine2 = "v"
        Oui
        +
            AFFECTE  +  branch = "¤${X}"  -
        -
    -
-
)");
    expectVariables({
        {"${X}zero", "${X}"},
        {"Path0", "a\\b"},
        {"vone", "v"},
        {"vall", "v"},
        // Below depth 1 the branch is not expanded, but its 0xA4 already becomes "\" there; when
        // the branch's own command is expanded, that "\" escapes the "$".
        {"branch", "${X}"},
    });
}

TEST_F(EngineTest, BackslashCharacterStandsBeforeAReferenceWithoutEscapingIt) {
    setVariable("ID", "42");
    run(R"(
Installe
+
    AFFECTE  +  path = "c:\Dossier¤${ID}"  escaped = "c:\Dossier\${ID}"  -
-
)");
    EXPECT_EQ(variable("path"), "c:\\Dossier\\42");
    EXPECT_EQ(variable("escaped"), "c:\\Dossier${ID}");
}

TEST_F(EngineTest, KeywordsFoldCaseButArgumentKeysAreExact) {
    run(R"(
Installe
+
    affecte  +  lower = "1"  -
    Affecte  +  mixed = "1"  -
    "si_égal"
    +
        chaine1 = "x"  Chaine2 = "erreur"
        Oui = "MISSING_KEY_READ_AS_ERREUR"
    -
-
)");
    expectVariables({
        {"lower", "1"},
        {"mixed", "1"},
        {"MISSING_KEY_READ_AS_ERREUR", ""},
    });
}

TEST_F(EngineTest, CommandNameIsExpandedBeforeItsKeywordIsRead) {
    setVariable("ACTION", "AFFECTE");
    setVariable("SILENT_DEL", "-FDEL");
    setVariable("SHALLOW", "0AFFECTE");
    setVariable("X", "v");
    run(R"(
Installe
+
    "${ACTION}"  +  done = "1"  -
    "${SILENT_DEL}"  +  "no such file here" -
    "${SHALLOW}"  +  deep = "${X}"  -
-
)");
    EXPECT_EQ(variable("done"), "1");
    // The depth digit counts only where the name was written with it.
    EXPECT_EQ(variable("deep"), "v");
    EXPECT_TRUE(errors().empty());
}

TEST_F(EngineTest, UnknownKeywordIsReportedOncePerItemEvenWhenSilenced) {
    run(R"(
Installe
+
    INCONNU  +  a  b  c  -
    RIEN
    "-Muet"  +  a  -
-
)");
    Entries expected = {{"???", "Commande inconnue : Muet"},
                        {"???", "Commande inconnue : INCONNU"},
                        {"???", "Commande inconnue : INCONNU"},
                        {"???", "Commande inconnue : INCONNU"}};
    EXPECT_EQ(errors(), expected);
}

TEST_F(EngineTest, MissingRequiredKeyYieldsTheTextErreur) {
    run(R"(
Installe
+
    PLAGE  +  Chaine = "abc"  -
-
)");
    EXPECT_EQ(variable("erreur"), "abc");
}

TEST_F(EngineTest, SubFunctionsReceivePositionalParametersAndNest) {
    run(R"(
Installe
+
    SSFCT
    +
        Outer
        +
            p = "first"
            p = "second"
        -
    -
-
SSFct
+
    Outer
    +
        AFFECTE  +  outer0 = "${0}"  outer1 = "${1}"  outer2 = "${2}"  -
        SSFCT  +  Inner  +  p = "${1}!"  -  -
    -
    Inner
    +
        AFFECTE  +  inner0 = "${0}"  -
    -
-
)");
    expectVariables({
        {"outer0", "first"},
        {"outer1", "second"},
        {"outer2", "2"},
        {"inner0", "second!"},
    });
    EXPECT_TRUE(errors().empty());
}

TEST_F(EngineTest, MissingSubFunctionIsReportedUnlessSilenced) {
    run(R"(
Installe
+
    SSFCT  +  Absente  -
    "-SSFCT"  +  Muette  -
-
)");
    Entries expected = {{"SSFCT", "Sous-fonction inconnue Absente"}};
    EXPECT_EQ(errors(), expected);
}

TEST_F(EngineTest, EndlessSubFunctionCallsStopWithAReport) {
    run(R"(
Installe
+
    SSFCT  +  Boucle  -
    AFFECTE  +  after = "done"  -
-
SSFct
+
    Boucle
    +
        SSFCT  +  Boucle  -
    -
-
)");
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_EQ(errors()[0].first, "SSFCT");
    EXPECT_EQ(errors()[0].second, "Appels de sous-fonctions trop imbriqu\xE9s : Boucle");
    EXPECT_EQ(variable("after"), "done");
}

// A function that calls itself twice would make 2^200 calls: the run spends its call budget,
// refused calls included, reports the first limit it meets once, and goes on after the call.
TEST_F(EngineTest, CallsOfOneRunAreBoundedAndReportedOnce) {
    run(R"(
Installe
+
    SSFCT  +  F  -
    AFFECTE  +  after = "done"  -
-
SSFct
+
    F
    +
        SSFCT  +  F  F  -
    -
-
)");
    Entries expected = {{"SSFCT", "Appels de sous-fonctions trop imbriqu\xE9s : F"}};
    EXPECT_EQ(errors(), expected);
    EXPECT_EQ(variable("after"), "done");

    // 2^15 - 1 calls, none of them nested deeply; each call that runs leaves a mark.
    std::string ini = "Installe\n+\n    SSFCT  +  F0  -\n-\nSSFct\n+\n";
    for (int i = 0; i < 15; ++i) {
        const std::string next = "F" + std::to_string(i + 1);
        ini += "    F" + std::to_string(i) + "  +  AFFECTE  +  trail = \"${trail}x\"  -";
        if (i < 14) ini += "  SSFCT  +  " + next + "  " + next + "  -";
        ini += "  -\n";
    }
    ini += "-\n";
    ErrorList().reset(Reach::tree);
    setVariable("trail", "");
    run(ini);
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_EQ(errors()[0].second.rfind("Trop d'appels de sous-fonctions : F", 0), 0u);
    EXPECT_EQ(variable("trail").size(), size_t(maxSubFunctionCalls));
}

// Condition branches and calls nest together: each costs the worker's stack alike.
TEST_F(EngineTest, BranchesAndCallsShareTheNestingLimit) {
    setVariable("trail", "");
    run(R"(
Installe
+
    SSFCT  +  G  -
-
SSFct
+
    G
    +
        AFFECTE  +  trail = "${trail}x"  -
        SI_EGAL  +  Oui  +  SSFCT  +  G  -  -  -
    -
-
)");
    Entries expected = {{"SI_EGAL", "Blocs trop imbriqu\xE9s : Oui"}};
    EXPECT_EQ(errors(), expected);
    // Installe, then G and its branch in turn up to maxRunNesting blocks.
    EXPECT_EQ(variable("trail").size(), size_t(maxRunNesting / 2));
}

TEST_F(EngineTest, BranchInsideSubFunctionSeesParametersOnlyThroughTheConditionsExpansion) {
    run(R"(
Installe
+
    SSFCT  +  Check  +  p = "value"  -  -
-
SSFct
+
    Check
    +
        SI_EGAL
        +
            Chaine1 = "a"  Chaine2 = "A"
            Oui
            +
                AFFECTE  +  seen = "${0}"  late = "\${0}"  -
            -
        -
    -
-
)");
    EXPECT_EQ(variable("seen"), "value");
    // The escaped reference survives the condition's expansion; the branch's own run has no
    // positional parameters, so it finds none and gives its name.
    EXPECT_EQ(variable("late"), "0");
}

TEST_F(EngineTest, BranchWithoutChildrenDefinesTheVariableItNames) {
    setVariable("KEEP", "old");
    run(R"(
Installe
+
    SI_EGAL  +  Chaine1 = "x"  Chaine2 = "X"  Oui = "DEJA"  Non = "JAMAIS"  -
    SI_EGAL  +  Chaine1 = "x"  Chaine2 = "X"  Oui = "KEEP"  -
    AFFECTE = "DEJA&"  +  guarded = "ran"  -
-
)");
    expectVariables({
        {"DEJA", ""},
        {"JAMAIS", "<undefined>"},
        {"KEEP", "old"},
        {"guarded", "ran"},
    });
}

TEST_F(EngineTest, SystemErrorTextFollowsAFailingItemOnlyWhenReportedAndNotFirst) {
    std::string missing = folder / "absent/file.txt";
    std::string script = R"(
Installe
+
    "-FAPPEND"  +  ")" + missing +
                         R"(" = "x"  -
    ERREUR  +  Script = "stop"  -
    "-FAPPEND"  +  ")" + missing +
                         R"(" = "x"  -
    FAPPEND  +  ")" + missing +
                         R"(" = "x"  -
-
)";
    run(script);
    Entries expected = {{"Windows", std::strerror(ENOENT)},
                        {"FAPPEND", "Erreur d'ouverture du fichier " + missing},
                        {"Script", "stop"}};
    EXPECT_EQ(errors(), expected);
}

TEST_F(EngineTest, ProgressFollowsTopLevelCommandsOnly) {
    run(R"(
Installe
+
    AFFECTE  +  a = "1"  -
    SSFCT  +  Deep  -
    AFFECTE  +  c = "1"  -
-
SSFct
+
    Deep
    +
        AFFECTE  +  d1 = "1"  -
        AFFECTE  +  d2 = "1"  -
        AFFECTE  +  d3 = "1"  -
        AFFECTE  +  d4 = "1"  -
    -
-
)");
    EXPECT_EQ(ScriptProgress().index.load(), 2);
    EXPECT_EQ(ScriptProgress().count.load(), 3);
}

TEST_F(EngineTest, BlockSurvivesTheRemovalOfTheVariableThatHoldsIt) {
    Package& loaded = load("");
    ParamNode* holder = setVariable("V", "1");
    ParamNode* exec = new ParamNode("Exec", "");
    ParamNode* kill = new ParamNode("VARKILL", "");
    kill->append(new ParamNode("V", ""));
    ParamNode* assign = new ParamNode("AFFECTE", "");
    assign->append(new ParamNode("after", "yes"));
    exec->append(kill);
    exec->append(assign);
    holder->append(exec);
    RunBlock(loaded, exec, nullptr, BlockProgress::untracked);
    EXPECT_EQ(variable("V"), "<undefined>");
    EXPECT_EQ(variable("after"), "yes");
}

TEST_F(EngineTest, StopRequestEndsTheBlockBeforeItsNextCommand) {
    Package& loaded = load(R"(
Installe
+
    AFFECTE  +  first = "1"  -
-
)");
    StopFlag().store(true);
    RunBlock(loaded, loaded.FindBlock("Installe"), nullptr, BlockProgress::tracked);
    EXPECT_EQ(variable("first"), "<undefined>");
}
