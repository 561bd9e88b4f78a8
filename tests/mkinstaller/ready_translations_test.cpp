// The ready translations: the tables, what build puts in the installer, what list and check say.
#include <gtest/gtest.h>

#include "packer_run.h"
#include "params/block_format.h"
#include "tools/mkinstaller/ready_translations.h"

namespace {

std::vector<std::string> textsOf(const ParamNode& table) {
    std::vector<std::string> texts;
    for (ParamCell* c = table.children(); c; c = c->next) texts.push_back(c->node->name());
    return texts;
}

// A product that translates two of the installer's texts itself, one in a component.
class ReadyTranslations : public ::testing::Test {
protected:
    ReadyTranslations() : scratch("ready") {
        writeStub(scratch / "stub.exe", 135168);
        scratch.write("p/install.ini",
                      "Installe\n+\n\tINFORMATION\n\t+\n\t\t\"Note\" = \"Bonjour\"\n\t-\n-\n"
                      "Traduction\n+\n\ten\n\t+\n\t\t\"Fermer\" = \"Quit\"\n"
                      "\t\t\"Note\" = \"Note\"\n\t-\n-\n");
        scratch.write("p/c.cpx/install.ini",
                      "Traduction\n+\n\ten\n\t+\n\t\t\"Annuler\" = \"Stop\"\n\t-\n-\n");
    }
    ScratchFolder scratch;
};

}  // namespace

TEST(ReadyTables, EveryLanguageTranslatesTheSameTexts) {
    const std::vector<std::string> english = textsOf(*readyTable("en"));
    EXPECT_GT(english.size(), 80u);
    for (const std::string& language : readyLanguages()) {
        EXPECT_EQ(english, textsOf(*readyTable(language))) << language;
        for (ParamCell* c = readyTable(language)->children(); c; c = c->next)
            EXPECT_TRUE(c->node->value() && *c->node->value()) << language << c->node->name();
    }
    EXPECT_EQ(nullptr, readyTable("nl"));
}

TEST_F(ReadyTranslations, TheProductsOwnTranslationsWin) {
    ASSERT_EQ(runPacker({"build", "--description", scratch / "p", "--stub", scratch / "stub.exe",
                         "--languages", "en,de", "--no-check", "-o", scratch / "setup.exe"})
                  .code,
              0);
    PackerRun listed = runPacker({"list", scratch / "setup.exe"});
    const size_t texts = textsOf(*readyTable("en")).size();
    EXPECT_NE(listed.out.find("languages: fr, en (" + std::to_string(texts) + " texts), de (" +
                              std::to_string(texts) + " texts)\n"),
              std::string::npos)
        << listed.out;

    ASSERT_EQ(runPacker({"extract", scratch / "setup.exe", "INSTALLE", scratch / "out"}).code, 0);
    ParamNode root;
    readTreeFile(root, (scratch / "out/install.ini").c_str());
    const ParamNode* english = root.find("Traduction")->find("en");
    ASSERT_NE(nullptr, english);
    EXPECT_STREQ("Quit", english->valueOf("Fermer"));
    EXPECT_STREQ("Next >>", english->valueOf("Suite >>"));
    EXPECT_EQ(nullptr, english->find("Annuler"));
    // Each text once: the root's two, and the ready ones but "Fermer" and "Annuler".
    EXPECT_EQ(texts, english->childCount());
    EXPECT_EQ(texts, root.find("Traduction")->find("de")->childCount());

    PackerRun plain = runPacker({"build", "--description", scratch / "p", "--stub",
                                 scratch / "stub.exe", "--no-check", "-o", scratch / "plain.exe"});
    ASSERT_EQ(plain.code, 0);
    EXPECT_NE(runPacker({"list", scratch / "plain.exe"}).out.find("languages: fr, en (2 texts)\n"),
              std::string::npos);
    EXPECT_EQ(runPacker({"build", "--description", scratch / "p", "--stub", scratch / "stub.exe",
                         "--languages", "en,nl", "-o", scratch / "nl.exe"})
                  .code,
              2);
}

TEST_F(ReadyTranslations, CheckPointsAtTextsLeftUntranslated) {
    scratch.write("texts.exe", std::string("MZ\0Fermer\0Annuler\0", 18));
    PackerRun run =
        runPacker({"check", scratch / "p", "--stub", scratch / "texts.exe", "--languages", "en,de"});
    const std::string place = (scratch / "p/install.ini") + ":5: warning: ";
    EXPECT_NE(run.out.find(place + "\"Bonjour\" is shown untranslated in en"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(place + "\"Note\" is shown untranslated in de"), std::string::npos);
    EXPECT_EQ(run.out.find("\"Note\" is shown untranslated in en"), std::string::npos);
    EXPECT_NE(run.out.find("0 error(s), 3 warning(s)"), std::string::npos) << run.out;
}
