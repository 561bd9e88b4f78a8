#include <gtest/gtest.h>

#include <string>

#include "expected_values.h"
#include "params/expansion.h"
#include "params/variable_store.h"

namespace {

// A variable list of its own for each test; positional parameters likewise.
class Expansion : public ::testing::Test {
protected:
    ParamNode vars;
    ParamNode params;

    ParamNode* set(const char* name, const char* value) {
        ParamNode* node = vars.findOrCreate(name, NewChild::atEnd);
        node->setText(value);
        return node;
    }

    std::string expanded(const char* text) {
        TextBuffer buffer(text);
        expandText(buffer, vars.children(), params.children());
        return buffer.text();
    }

    void expectExpansions(const ExpectedValues& expected) {
        expectValues([this](const std::string& text) { return expanded(text.c_str()); }, expected);
    }
};

}  // namespace

TEST_F(Expansion, ValuesAreExpandedInTurnAndUnknownNamesStandForThemselves) {
    set("PRD", "Produit ${VERSION}");
    set("VERSION", "2");
    expectExpansions({
        {"${PRD}", "Produit 2"},
        {"[$PRD.$VERSION]", "[Produit 2.2]"},
        {"${INCONNU} $INCONNU", "INCONNU INCONNU"},
        // Names are exact, letter case included.
        {"${prd}", "prd"},
    });
}

TEST_F(Expansion, EscapesApplyOnlyInTextsHoldingADollar) {
    set("PRD", "p");
    set("X", "x");
    expectExpansions({
        {"\\${PRD}", "${PRD}"},
        {"a\\\\b${X}", "a\\bx"},
        {"a\\\\b", "a\\\\b"},
        {"c:\\d\\$X", "c:\\d$X"},
        // A lone backslash is copied; a value's own escapes are read when the
        // value is expanded.
        {"c:\\d\\${X}", "c:\\d${X}"},
    });
    set("ESC", "\\$X\\\\");
    EXPECT_EQ(expanded("$ESC"), "$X\\");
}

TEST_F(Expansion, ADollarWithoutNameDisappearsUnlessTheEmptyNameIsDefined) {
    expectExpansions({
        {"Prix 5$ net", "Prix 5 net"},
        {"fin$", "fin"},
        {"${}", ""},
    });
    set("", "<vide>");
    EXPECT_EQ(expanded("Prix 5$ net"), "Prix 5<vide> net");
}

TEST_F(Expansion, BareNamesEndAtTheFirstByteOutsideLettersDigitsUnderscoreAndAt) {
    set("A_1", "v");
    EXPECT_EQ(expanded("$A_1-x $A_1\\y $A_1\xA4z $A_1\xE9 $A_1"), "v-x v\\y v\xA4z v\xE9 v");
}

TEST_F(Expansion, Modifiers) {
    set("CHEMIN", "C:\\A/B");
    expectExpansions({
        {"${CHEMIN@1}", "C:\\\\A/B"},
        {"${CHEMIN@2}", "C:/A/B"},
        {"${CHEMIN@3}", "C:\\A\\B"},
        {"<${CHEMIN@7}>", "<>"},
        {"<${CHEMIN@-1}>", "<>"},
        {"$CHEMIN@2!", "C:/A/B!"},
        // Empty, zero and non-numeric modifiers change nothing.
        {"${CHEMIN@} ${CHEMIN@0} ${CHEMIN@x}", "C:\\A/B C:\\A/B C:\\A/B"},
    });
    // The modifier applies to the whole replacement, nested values included,
    // and to an unknown name standing for itself.
    set("RACINE", "${CHEMIN}\\sous");
    EXPECT_EQ(expanded("${RACINE@2}"), "C:/A/B/sous");
    EXPECT_EQ(expanded("${X\\Y@1}"), "X\\\\Y");
}

TEST_F(Expansion, PositionalReferencesReadTheParametersInOrder) {
    params.append(new ParamNode("p", "x"));
    params.append(new ParamNode("q", "y"));
    EXPECT_EQ(expanded("${0}${1}${2}"), "xy2");
    EXPECT_EQ(expanded("$1 ${1abc} $01"), "y y y");
    // A variable named like a number is not consulted.
    set("0", "variable");
    EXPECT_EQ(expanded("${0}"), "x");
    params.reset(Reach::tree);
    EXPECT_EQ(expanded("${0}"), "0");
}

TEST_F(Expansion, SlashedNamesReachChildrenOfVariables) {
    ParamNode* a = set("A", "a");
    a->append(new ParamNode("B", "b"));
    a->child(0)->append(new ParamNode("C", "c"));
    a->append(new ParamNode("NOVALUE", nullptr));
    EXPECT_EQ(expanded("${A} ${A/B} ${A/B/C}"), "a b c");
    EXPECT_EQ(expanded("${A/X} ${Z/B} ${A/NOVALUE}"), "A/X Z/B A/NOVALUE");
    EXPECT_STREQ(lookupValue("A/B/C", vars.children(), nullptr), "c");
    EXPECT_EQ(lookupValue("A/NOVALUE", vars.children(), nullptr), nullptr);
}

TEST_F(Expansion, CallsGiveTheirNameWhateverTheArguments) {
    set("FCT", "value not used by a call");
    set("NOM", "FCT");
    expectExpansions({
        {"${FCT(1, \"a b\")}", "FCT"},
        {"${G(x@1)}", "G"},
        {"${C:\\D@1(a)}", "C:\\\\D"},
        // The name itself is expanded.
        {"${$NOM(a)}", "FCT"},
        // The arguments end at the first "}".
        {"${F(a}b)", "Fb)"},
    });
}

TEST_F(Expansion, BracesEndAtTheFirstClosingBraceOrTheEndOfText) {
    set("ABC", "v");
    set("B", "b");
    expectExpansions({
        {"x${ABC", "xv"},
        {"x${AB", "xAB"},
        {"${A${B}}", "A${B}"},
    });
}

TEST_F(Expansion, SelfReferencesEndAtTheNestingLimit) {
    set("A", "x${A}");
    EXPECT_EQ(expanded("${A}"), std::string(32, 'x') + "A");
    set("P", "${Q}");
    set("Q", "${P}");
    EXPECT_EQ(expanded("$P"), "P");
}

TEST_F(Expansion, ValuesThatDoubleThemselvesStillEndQuickly) {
    // Without a bound on the work, each level doubles the text: 2^32 references.
    set("A", "${A}${A}");
    set("B", "${B@1}${B@2}");
    for (const char* text : {"${A}", "${B}"}) {
        std::string result = expanded(text);
        EXPECT_LT(result.size(), 64u << 20) << text;
        EXPECT_GT(result.size(), 1000u) << text;
    }
}

// A long value that refers to itself twice reaches the bound on the bytes read long before the
// bound on references; past it, references stand for their names.
TEST_F(Expansion, OneExpansionReadsABoundedAmountOfValues) {
    const std::string filler(1000, 'x');
    set("A", (filler + "${A}${A}").c_str());
    std::string result = expanded("${A}");
    EXPECT_GT(result.size(), size_t(maxExpansionBytes) / 2);
    EXPECT_LE(result.size(), size_t(maxExpansionBytes) + filler.size());
    EXPECT_EQ(result.substr(result.size() - 2), "AA");
}

TEST_F(Expansion, NestingUpTo32LevelsIsResolved) {
    // V0 -> V1 -> ... -> V32 = "end": the reference to V32 sits at depth 32.
    for (int i = 0; i <= 32; ++i) {
        std::string name = "V" + std::to_string(i);
        std::string value = i < 32 ? "${V" + std::to_string(i + 1) + "}" : "end";
        set(name.c_str(), value.c_str());
    }
    EXPECT_EQ(expanded("${V1}"), "end");
    EXPECT_EQ(expanded("${V0}"), "V32");
}

TEST_F(Expansion, TreesByScopeAndDepth) {
    set("N", "nom");
    set("V", "val");
    ParamNode root("$N", "$V");
    ParamNode* child = new ParamNode("$N", "$V");
    child->append(new ParamNode("$N", "$V"));
    root.append(child);
    root.append(new ParamNode("$N", 5));

    expandTree(root, nodeValue, ExpandStart::children, vars.children(), nullptr, 1);
    EXPECT_STREQ(root.name(), "$N");
    EXPECT_STREQ(root.value(), "$V");
    EXPECT_STREQ(child->name(), "$N");
    EXPECT_STREQ(child->value(), "val");
    EXPECT_STREQ(child->child(0)->value(), "$V");

    expandTree(root, nameAndValue, ExpandStart::node, vars.children(), nullptr, -1);
    EXPECT_STREQ(root.name(), "nom");
    EXPECT_STREQ(root.value(), "val");
    EXPECT_STREQ(child->child(0)->name(), "nom");
    EXPECT_STREQ(child->child(0)->value(), "val");
    // Integer nodes are left alone, name included.
    EXPECT_STREQ(root.child(1)->name(), "$N");
    EXPECT_EQ(root.child(1)->kind(), ValueKind::integer);
}

TEST_F(Expansion, PathsTurnTheCurrencySignIntoBackslashAfterExpansion) {
    ParamNode* id = set("ID", "42");
    ParamNode* docs = set("DOCS", "c:\\Mes documents");
    TextBuffer path("c:\\Dossier\xA4$ID\xA4${DOCS}\xA4x");
    expandPath(path, vars);
    EXPECT_STREQ(path.text(), "c:\\Dossier\\42\\c:\\Mes documents\\x");
    // A value holding the sign is turned as well; a text without "$" too.
    docs->setText("d\xA4");
    id->setText("\xA4");
    TextBuffer other("${DOCS}$ID");
    expandPath(other, vars);
    EXPECT_STREQ(other.text(), "d\\\\");
    TextBuffer plain("a\xA4\x62");
    expandPath(plain, vars);
    EXPECT_STREQ(plain.text(), "a\\b");
}

// --- The process-wide store ---

TEST(VariableStore, NewVariablesGoToTheFrontWithZeroUntilSet) {
    clearVariables();
    defineVariable("A");
    setVariable("B", "texte");
    setVariableInteger("C", -7);
    ParamNode source;
    source.append(new ParamNode("B", "nouveau"));
    source.append(new ParamNode("D", 4));
    importVariables(source.children());
    // A second definition keeps the value and the place.
    defineVariable("C");

    std::string listed;
    for (ParamCell* c = VariableStore().children(); c; c = c->next)
        listed += std::string(c->node->name()) + "=" + c->node->value() + " ";
    EXPECT_EQ(listed, "D=4 C=-7 B=nouveau A=0 ");
    EXPECT_EQ(VariableStore().find("D")->kind(), ValueKind::integer);
    EXPECT_TRUE(isDefined("A"));
    EXPECT_FALSE(isDefined("a"));
    EXPECT_TRUE(removeVariable("A"));
    EXPECT_FALSE(removeVariable("A"));
    clearVariables();
    EXPECT_EQ(VariableStore().childCount(), 0);
}
