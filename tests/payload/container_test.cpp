#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "payload_bytes.h"
#include "scratch_folder.h"
#include "session/reset.h"
#include "session/stores.h"
#include "session/translation.h"

namespace {

const char unreadable[] = "Fichier erron\xE9 - Impossible de retrouver les informations";
const char wrongSize[] = "Le fichier n'est pas de la bonne taille";
const char wrongChecksum[] = "Le fichier contient des erreurs";

// An installer file in a scratch folder, with a work folder beside it and the scratch file in it
// as start-up sets them.
class ContainerReading : public ::testing::Test {
protected:
    ContainerReading() : scratch("container") {
        scratch.makeFolder("work");
        resetSession();
        container.programPath.assign((scratch / "setup.exe").c_str());
        container.scratchFile.assign((scratch / "work/libtmp.tmp").c_str());
    }
    ~ContainerReading() override { resetSession(); }

    ContainerState read(const std::string& file) {
        scratch.write("setup.exe", file);
        container.programPath.assign((scratch / "setup.exe").c_str());
        container.entries.reset(Reach::tree);
        failures.reset(Reach::tree);
        return readContainer(container, work.c_str(), failures);
    }

    // The messages of the failures found by the last reading.
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (ParamCell* cell = failures.children(); cell; cell = cell->next)
            texts.push_back(cell->node->name());
        return texts;
    }

    std::vector<std::string> directoryNames() const {
        std::vector<std::string> names;
        for (ParamCell* cell = container.entries.children(); cell; cell = cell->next)
            names.push_back(cell->node->name());
        return names;
    }

    ScratchFolder scratch;
    std::string work = scratch / "work";
    Container container;
    ParamNode failures;
};

const std::vector<Library> typical = {
    {"DATA", gzipped(beginFolder("") + fileRecord("data.bin", "0123456789") + endFolder())},
    {"INSTALLE", gzipped(beginFolder("") + fileRecord("install.ini", "[x]") + endFolder())},
};

}  // namespace

TEST_F(ContainerReading, DirectoryGivesOffsetsAndSizes) {
    EXPECT_EQ(read(installerFile(typical) + "bytes after the container are ignored"),
              ContainerState::Sound);
    EXPECT_TRUE(messages().empty());
    ASSERT_EQ(directoryNames(), (std::vector<std::string>{"DATA", "INSTALLE", "CRC"}));
    int32_t offset = stubSize + 3 * 5 + 4 + 8 + 3;
    for (int i = 0; i < 2; ++i) {
        ParamNode* entry = container.entries.child(i);
        EXPECT_EQ(entry->integerValue(), offset);
        EXPECT_EQ(entry->integerOf("Taille"), static_cast<int32_t>(typical[i].bytes.size()));
        offset += static_cast<int32_t>(typical[i].bytes.size());
    }
    EXPECT_EQ(container.entries.find("CRC")->integerValue(), offset);
    EXPECT_EQ(container.entries.find("CRC")->integerOf("Taille"), 4);
    EXPECT_STREQ(container.programPath.text(), (scratch / "setup.exe").c_str());
}

TEST_F(ContainerReading, UnreadableDirectories) {
    std::vector<Library> hundred;
    for (int i = 0; i < 100; ++i) hundred.push_back({"L" + std::to_string(i), "x"});
    std::vector<Library> hundredAndOne = hundred;
    hundredAndOne.push_back({"ONE_MORE", "x"});
    const std::string tab = installerFile(typical);
    std::string tabbed = tab;
    tabbed[stubSize + 4] = '\t';  // after "DATA"
    const std::string withoutChecksum = installerFile(typical, false);
    const std::string longName(160, 'N');
    const std::string files[] = {
        installerFile(hundredAndOne),  // 102 entries with CRC
        tabbed,
        withoutChecksum,  // no entry ends the directory: it runs into the libraries
        installerFile({{longName, "x"}}),
        tab.substr(0, stubSize + 10),
        installerFile({{"HUGE", ""}}).replace(stubSize + 5, 4, bigEndian(0x80000000u)),
        // A zero byte would cut the name: "x" for "x\0../../y", the checksum entry for "CRC\0x".
        installerFile({{std::string("x\0../../y", 9), "x"}}),
        installerFile({{std::string("\0..", 3), "x"}}),
        installerFile({{std::string("CRC\0x", 5), "x"}, {"DATA", "y"}}),
    };
    for (const std::string& file : files) {
        EXPECT_EQ(read(file), ContainerState::Unreadable);
        EXPECT_EQ(messages(), std::vector<std::string>{unreadable});
        EXPECT_EQ(container.entries.childCount(), 0);
    }
    // The limits themselves are accepted: 101 entries, names of 159 bytes.
    for (const std::string& file :
         {installerFile(hundred), installerFile({{longName.substr(1), "x"}})}) {
        EXPECT_EQ(read(file), ContainerState::Sound);
        EXPECT_TRUE(messages().empty());
    }
}

TEST_F(ContainerReading, ChecksumIsVerifiedOnlyUnderTheExactName) {
    std::string file = installerFile(typical);
    file[stubSize + 40] ^= 0x10;  // inside the first library
    EXPECT_EQ(read(file), ContainerState::Damaged);
    EXPECT_EQ(messages(), std::vector<std::string>{wrongChecksum});

    // "crc" ends the directory as well, but nothing is verified.
    std::string lower = file;
    lower.replace(stubSize + 4 + 5 + 8 + 5, 3, "crc");
    EXPECT_EQ(read(lower), ContainerState::Sound);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(directoryNames(), (std::vector<std::string>{"DATA", "INSTALLE", "crc"}));
}

// A signing tool rewrites the header's CheckSum and certificate entry and appends the signature:
// the checksum then matches only with those fields read as zeros.
TEST_F(ContainerReading, ASignedProgramMatchesWithItsSigningFieldsAsZeros) {
    std::string stub(stubSize, '\0');
    stub.replace(0, 2, "MZ");
    stub[0x3C] = '\x80';
    stub.replace(0x80, 6, std::string("PE\0\0", 4) + "\x4C\x01");
    stub.replace(0x98, 2, "\x0B\x01");  // a 32-bit optional header
    std::string file = installerFile(typical, true, stub);
    const int64_t end = static_cast<int64_t>(file.size());
    scratch.write("setup.exe", file);
    EXPECT_EQ(checksumMatches(container.programPath.text(), end),
              checksumLiteral | checksumSigningNeutral);

    std::string signature = "signature bytes!";
    file.replace(0x98 + 64, 4, "\x12\x34\x56\x78");
    file.replace(0x98 + 128, 8, std::string("\x00\x10\x02\x00\x10\x00\x00\x00", 8));
    file += signature;
    EXPECT_EQ(read(file), ContainerState::Sound);
    EXPECT_EQ(checksumMatches(container.programPath.text(), end), checksumSigningNeutral);
    EXPECT_TRUE(messages().empty());

    file[stubSize + 40] ^= 0x10;
    EXPECT_EQ(read(file), ContainerState::Damaged);
    EXPECT_EQ(messages(), std::vector<std::string>{wrongChecksum});
}

TEST_F(ContainerReading, VolumesAreJoinedIntoTheWorkFolder) {
    const std::string file = installerFile(typical);
    const size_t firstCut = stubSize + 30, secondCut = file.size() - 7;
    scratch.write("setup.exe1", file.substr(firstCut, secondCut - firstCut));
    scratch.write("setup.exe2", file.substr(secondCut));
    EXPECT_EQ(read(file.substr(0, firstCut)), ContainerState::Sound);
    EXPECT_TRUE(messages().empty());
    EXPECT_STREQ(container.programPath.text(), (scratch.path + "/work\\cloneexe.exe").c_str());
    EXPECT_EQ(scratch.read("work/cloneexe.exe"), file);

    Extraction result = extractLibrary(container, "DATA", (scratch / "out").c_str(), nullptr);
    EXPECT_EQ(result.outcome, ExtractionOutcome::done) << result.error.text();
    EXPECT_EQ(scratch.read("out/data.bin"), "0123456789");
}

TEST_F(ContainerReading, AMissingVolumeLeavesTheFileShort) {
    const std::string file = installerFile(typical);
    scratch.write("setup.exe2", file.substr(stubSize + 60));  // volume 1 is missing
    EXPECT_EQ(read(file.substr(0, stubSize + 30)), ContainerState::Damaged);
    // The checksum is still verified, on the short file.
    EXPECT_EQ(messages(), (std::vector<std::string>{wrongSize, wrongChecksum}));
    EXPECT_STREQ(container.programPath.text(), (scratch / "setup.exe").c_str());
}

TEST_F(ContainerReading, ExtractingLibraries) {
    ASSERT_EQ(read(installerFile(typical)), ContainerState::Sound);
    Extraction missing = extractLibrary(container, "data", (scratch / "out").c_str(), nullptr);
    EXPECT_EQ(missing.outcome, ExtractionOutcome::failed);
    EXPECT_STREQ(missing.error.text(), "Erreur, librairie introuvable : data");
    EXPECT_TRUE(missing.unpackingError.empty());
    EXPECT_FALSE(scratch.exists("work/libtmp.tmp"));
    EXPECT_FALSE(scratch.exists("out"));

    EXPECT_EQ(extractLibrary(container, "INSTALLE", nullptr, nullptr).outcome,
              ExtractionOutcome::done);
    EXPECT_EQ(scratch.read("work/libtmp.tmp"), typical[1].bytes);

    CopyCounter copied{5};
    EXPECT_EQ(extractLibrary(container, "DATA", (scratch / "out").c_str(), &copied).outcome,
              ExtractionOutcome::done);
    EXPECT_EQ(scratch.read("out/data.bin"), "0123456789");
    // The library ends where the next one, also gzip, begins.
    EXPECT_FALSE(scratch.exists("out/install.ini"));
    EXPECT_EQ(copied.bytes.load(), 15);
}

TEST_F(ContainerReading, AFailedUnpackingNamesTheProgramAndTheDestination) {
    ASSERT_EQ(read(installerFile({{"BAD", gzipped("x\x07")}})), ContainerState::Sound);
    Extraction result = extractLibrary(container, "BAD", (scratch / "out").c_str(), nullptr);
    EXPECT_EQ(result.outcome, ExtractionOutcome::failed);
    EXPECT_STREQ(result.error.text(), "Erreur d'analyse de la librairie");
    EXPECT_EQ(std::string(result.unpackingError.text()),
              "Erreur de copie de la librairie interne " +
                  std::string(container.programPath.text()) + "=>" + (scratch / "out") +
                  " (Erreur d'analyse de la librairie)");
    EXPECT_EQ(ErrorList().childCount(), 0);
}

// A library is read where it lies in the program file: a scratch file that cannot be written
// (the work folder taken away) does not keep it from its destination.
TEST_F(ContainerReading, UnpackingNeedsNoScratchFile) {
    ASSERT_EQ(read(installerFile(typical)), ContainerState::Sound);
    container.scratchFile.assign((scratch / "gone/libtmp.tmp").c_str());
    EXPECT_EQ(extractLibrary(container, "DATA", (scratch / "out").c_str(), nullptr).outcome,
              ExtractionOutcome::done);
    EXPECT_EQ(scratch.read("out/data.bin"), "0123456789");
}

TEST_F(ContainerReading, MessagesAndPrefixesPassThroughTranslation) {
    Language().assign("en");
    ParamNode* table = Translations().findOrCreate("en");
    table->findOrCreate(wrongChecksum)->setText("The file is damaged");
    table->findOrCreate("Erreur, librairie introuvable : ")->setText("No such library: ");
    std::string file = installerFile(typical);
    file[file.size() - 1] ^= 1;
    EXPECT_EQ(read(file), ContainerState::Damaged);
    EXPECT_EQ(messages(), std::vector<std::string>{"The file is damaged"});
    EXPECT_STREQ(extractLibrary(container, "NOPE", nullptr, nullptr).error.text(),
                 "No such library: NOPE");
}
