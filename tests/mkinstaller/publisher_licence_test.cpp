// --publisher and --licence: what build puts in the description, what list says, what is refused.
#include <gtest/gtest.h>

#include "packer_run.h"
#include "params/block_format.h"

namespace {

struct PublisherAndLicence : ::testing::Test {
    ScratchFolder scratch{"publisher"};

    PublisherAndLicence() {
        writeStub(scratch / "stub.exe", 135168);
        scratch.write("p/install.ini", "Produit\n+\nID = \"p\"\n-\n");
        scratch.write("p/var.ini", "DOSSIER = \"c:\\\\x\"\n");
        scratch.write("general.rtf", "{\\rtf1 general}");
        scratch.write("english.rtf", "{\\rtf1 english}");
        scratch.write("plain.txt", "not rich text");
    }
    PackerRun build(const std::vector<std::string>& options) {
        std::vector<std::string> args{"build",  "--description",      scratch / "p",
                                      "--stub", scratch / "stub.exe", "--no-check",
                                      "-o",     scratch / "setup.exe"};
        args.insert(args.end(), options.begin(), options.end());
        return runPacker(args);
    }
    std::string listed() { return runPacker({"list", scratch / "setup.exe"}).out; }
};

}  // namespace

TEST_F(PublisherAndLicence, GoIntoTheRootOfTheDescription) {
    ASSERT_EQ(
        build({"--publisher",
               "\xC9"
               "ditions Lune",
               "--licence", scratch / "general.rtf", "--licence", "EN=" + scratch / "english.rtf"})
            .code,
        0);
    EXPECT_NE(listed().find("publisher: \xC3\x89"
                            "ditions Lune\nlicence: licence-en.rtf licence.rtf\n"),
              std::string::npos)
        << listed();
    ASSERT_EQ(runPacker({"extract", scratch / "setup.exe", "INSTALLE", scratch / "out"}).code, 0);
    EXPECT_EQ(entriesOf(scratch / "out"), (std::vector<std::string>{"install.ini", "licence-en.rtf",
                                                                    "licence.rtf", "var.ini"}));
    EXPECT_EQ(scratch.read("out/licence-en.rtf"), "{\\rtf1 english}");
    ParamNode settings;
    readTreeFile(settings, (scratch / "out/var.ini").c_str());
    EXPECT_STREQ("c:\\x", settings.valueOf("DOSSIER"));
    EXPECT_STREQ(
        "\xC9"
        "ditions Lune",
        settings.valueOf("SOCIETE"));

    ASSERT_EQ(build({}).code, 0);
    EXPECT_NE(listed().find("publisher: Korvane\nlicence: built-in\n"), std::string::npos);
}

// The product's own "SOCIETE" wins over --publisher, and the packer says so.
TEST_F(PublisherAndLicence, TheProductsOwnNameIsKeptAndReported) {
    scratch.write("p/install.ini", "Globale\n+\nSOCIETE = \"Soi\"\n-\n");
    PackerRun run = build({"--publisher", "Autre"});
    ASSERT_EQ(run.code, 0);
    EXPECT_NE(run.err.find("SOCIETE = \"Soi\""), std::string::npos) << run.err;
    EXPECT_NE(listed().find("publisher: Soi\n"), std::string::npos);
}

TEST_F(PublisherAndLicence, RefusedLicences) {
    PackerRun plain = build({"--licence", scratch / "plain.txt"});
    EXPECT_EQ(plain.code, 1);
    EXPECT_NE(plain.err.find("plain.txt: not rich text"), std::string::npos) << plain.err;
    PackerRun missing = build({"--licence", "de=" + scratch / "missing.rtf"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("missing.rtf"), std::string::npos) << missing.err;
    EXPECT_EQ(build({"--licence", "en=" + scratch / "general.rtf", "--licence",
                     "en=" + scratch / "english.rtf"})
                  .code,
              2);
    EXPECT_EQ(build({"--publisher", " "}).code, 2);
}
