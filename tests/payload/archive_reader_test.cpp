#include "payload/archive_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "params/file_stream.h"
#include "payload/gz_file_stream.h"
#include "payload_bytes.h"
#include "scratch_folder.h"

namespace {

// Writes a library file into a scratch folder and unpacks it into the folder "dest" there.
class Unpacking : public ::testing::Test {
protected:
    Unpacking() : scratch("archive") { scratch.makeFolder("dest"); }

    bool unpack(const std::string& library) {
        scratch.write("lib.gz", library);
        error.assign("");
        return unpackArchive((scratch / "lib.gz").c_str(), dest().c_str(), error, &counter);
    }

    ArchiveResult readFolder(const std::string& library) {
        scratch.write("lib.gz", library);
        GzFileStream in((scratch / "lib.gz").c_str());
        return readArchiveFolder(in, dest().c_str(), error, nullptr);
    }

    std::string dest() const { return scratch / "dest"; }
    // The path the reader composes for a name inside the destination.
    std::string inDest(const std::string& name) const { return dest() + "\\" + name; }
    // A file in the destination, read through the installer's own streams, which pass a
    // Windows-1252 name to the system as the reader does (in UTF-8 natively).
    std::string readInDest(const std::string& name) const {
        InFileStream in(inDest(name).c_str(), FileMode::binary);
        std::string bytes;
        char block[4096];
        for (int32_t n; (n = in.read(block, sizeof block)) > 0;) bytes.append(block, size_t(n));
        return bytes;
    }

    ScratchFolder scratch;
    TextBuffer error;
    CopyCounter counter{0};
};

const std::string description = beginFolder("") + beginFolder("sub.cpx") +
                                fileRecord("install.ini", "[a]\n") + fileRecord("vide.txt", "") +
                                endFolder("sub.cpx") + beginFolder("empty") + endFolder("empty") +
                                fileRecord("logo \xE9t\xE9.bmp", std::string(70000, 'L')) +
                                fileRecord("var.ini", "x = \"1\"\n") + endFolder("");

}  // namespace

TEST_F(Unpacking, CompressedAndStoredArchivesGiveTheSameTree) {
    for (const std::string& library : {gzipped(description), description}) {
        scratch.write("dest/var.ini", "old content, overwritten");
        scratch.write("dest/kept.txt", "not in the archive");
        counter.bytes = 0;
        counter.files = 0;
        ASSERT_TRUE(unpack(library)) << error.text();
        EXPECT_EQ(scratch.read("dest/sub.cpx/install.ini"), "[a]\n");
        EXPECT_TRUE(scratch.exists("dest/sub.cpx/vide.txt"));
        EXPECT_EQ(scratch.read("dest/sub.cpx/vide.txt"), "");
        EXPECT_TRUE(std::filesystem::is_directory(scratch / "dest/empty"));
        EXPECT_EQ(readInDest("logo \xE9t\xE9.bmp"), std::string(70000, 'L'));
        EXPECT_EQ(scratch.read("dest/var.ini"), "x = \"1\"\n");
        EXPECT_EQ(scratch.read("dest/kept.txt"), "not in the archive");
        EXPECT_EQ(counter.bytes.load(), 4 + 70000 + 8);
        EXPECT_EQ(counter.files.load(), 4);
        std::filesystem::remove_all(scratch / "dest/sub.cpx");
    }
}

TEST_F(Unpacking, ResultsOfTheFolderReader) {
    EXPECT_EQ(readFolder(description), ArchiveResult::StreamEnded);
    // Records outside a root folder land in the destination; an end record at the top ends the
    // reading there, successfully, before the records that follow.
    EXPECT_EQ(readFolder(fileRecord("top.txt", "T") + endFolder() + fileRecord("after.txt", "A")),
              ArchiveResult::FolderEnded);
    EXPECT_EQ(scratch.read("dest/top.txt"), "T");
    EXPECT_FALSE(scratch.exists("dest/after.txt"));
    EXPECT_TRUE(unpack(fileRecord("top2.txt", "T") + endFolder() + "\x05 never read"));
    EXPECT_EQ(readFolder(""), ArchiveResult::StreamEnded);
}

TEST_F(Unpacking, BlankNamesStandForTheEnclosingFolder) {
    ASSERT_TRUE(unpack(beginFolder(" \x0B\x1F") + beginFolder("") + fileRecord("f", "F") +
                       endFolder() + endFolder()));
    EXPECT_EQ(scratch.read("dest/f"), "F");
    // A file with a blank name would be the folder itself.
    EXPECT_FALSE(unpack(fileRecord(" ", "x")));
    EXPECT_STREQ(error.text(),
                 ("Erreur de d\xE9"
                  "compression du fichier encapsul\xE9, peut \xEAtre en utilisation : " +
                  dest())
                     .c_str());
}

TEST_F(Unpacking, MalformedStreamsFailWithTheirTexts) {
    struct Case {
        std::string stream;
        std::string text;
    };
    const std::string shortContent = "\xE0t\xE9.txt" + std::string(1, '\0') + bigEndian(10) + "abc";
    const Case cases[] = {
        {beginFolder("") + "nom sans fin",
         "Fin de fichier d'entr\xE9"
         "e anticip\xE9"
         "e"},
        {beginFolder("") + "x\x05", "Erreur d'analyse de la librairie"},
        {beginFolder("") + "x" + std::string(1, '\x0A'), "Erreur d'analyse de la librairie"},
        {fileRecord("f", "").substr(0, 4),
         "Erreur de lecture de la taille d'un fichier encapsul\xE9"},
        {shortContent,
         "Erreur de d\xE9"
         "compression du fichier encapsul\xE9, peut \xEAtre en utilisation : " +
             inDest("\xE0t\xE9.txt")},
        {std::string("big") + '\0' + bigEndian(0x80000000u) + "x",
         "Erreur d'analyse de la librairie"},
        // A name longer than any file name fails at once, not when the record ends.
        {beginFolder("") + std::string(256, 'n'), "Erreur d'analyse de la librairie"},
        // The input ends inside a folder: a failure without a text of its own.
        {beginFolder("") + beginFolder("a") + fileRecord("f", "x") + endFolder("a"), ""},
    };
    for (const Case& c : cases) {
        for (const std::string& library : {c.stream, gzipped(c.stream)}) {
            EXPECT_FALSE(unpack(library)) << c.text;
            EXPECT_EQ(std::string(error.text()), c.text);
        }
    }
    // Files written before the failure stay.
    EXPECT_EQ(readInDest("\xE0t\xE9.txt"), "abc");
}

TEST_F(Unpacking, NamesThatWouldLeaveTheDestinationAreRefused) {
    scratch.makeFolder("dest/inner");
    for (const std::string name :
         {"..", ".", "...", ".. ", " ..", "..\\x", "a\\b", "a/b", "/tmp", "c:x", ":", "a.", "b ",
          "CON", "nul", "Aux.log", "con .txt", "COM1", "lpt9.x", "com\xB9"}) {
        for (const std::string& stream :
             {fileRecord(name, "evil"),
              beginFolder(name) + fileRecord("f", "evil") + endFolder(name)}) {
            EXPECT_FALSE(unpack(beginFolder("") + beginFolder("inner") + stream +
                                endFolder("inner") + endFolder()))
                << name;
            EXPECT_EQ(std::string(error.text()), "Nom de fichier encapsul\xE9 refus\xE9 : " + name);
        }
    }
    size_t entries = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(scratch.path)) {
        ++entries;
        EXPECT_NE(
            scratch.read(std::filesystem::relative(entry.path(), scratch.path).generic_string()),
            "evil")
            << entry.path();
    }
    EXPECT_EQ(entries, 3u);  // lib.gz, dest, dest/inner
}

TEST_F(Unpacking, DamagedGzipDataIsNotTakenForTheEnd) {
    const std::string stream =
        fileRecord("a.txt", "content of a") + fileRecord("b.txt", std::string(5000, 'b'));
    const std::string packed = gzipped(stream);

    std::string wrongCheck = packed;
    wrongCheck[wrongCheck.size() - 6] ^= 0x01;  // the member's CRC-32
    EXPECT_FALSE(unpack(wrongCheck));
    EXPECT_STREQ(error.text(), "Erreur d'analyse de la librairie");

    EXPECT_FALSE(unpack(packed.substr(0, packed.size() - 4)));  // cut inside the trailer
    EXPECT_STREQ(error.text(), "Erreur d'analyse de la librairie");

    EXPECT_FALSE(unpack(packed.substr(0, packed.size() / 2)));  // cut inside the content
    EXPECT_NE(std::string(error.text()).find("Erreur"), std::string::npos);

    // Successive members read as one stream; what follows the last member and is no member is
    // ignored, as zlib's gzip reader does.
    const std::string first = fileRecord("c.txt", "C");
    EXPECT_TRUE(unpack(gzipped(first) + gzipped(fileRecord("d.txt", "D")) + "trailing bytes"))
        << error.text();
    EXPECT_EQ(scratch.read("dest/d.txt"), "D");
}

TEST_F(Unpacking, AFileThatCannotBeOpenedIsAFailure) {
    error.assign("");
    EXPECT_FALSE(unpackArchive((scratch / "missing.lib").c_str(), dest().c_str(), error, nullptr));
    EXPECT_STREQ(error.text(), "Erreur d'analyse de la librairie");
}

TEST_F(Unpacking, ATargetThatCannotBeWrittenNamesItsPath) {
    scratch.makeFolder("dest/taken");
    EXPECT_FALSE(unpack(fileRecord("taken", "x")));
    EXPECT_EQ(std::string(error.text()),
              "Erreur de d\xE9"
              "compression du fichier encapsul\xE9, peut \xEAtre en utilisation : " +
                  inDest("taken"));
}

// The first folder that cannot be made ends the unpacking: nothing nested in it can be written.
TEST_F(Unpacking, AFolderThatCannotBeMadeFails) {
    scratch.write("dest/file", "a file, not a folder");
    EXPECT_FALSE(unpack(beginFolder("file") + beginFolder("a") + endFolder("a") + endFolder()));
    EXPECT_EQ(std::string(error.text()), "Impossible de cr\xE9" "er le dossier : " + inDest("file"));
}

// Folders nest as deep as the stream says; blank names keep the path short, so only the reader's
// own bookkeeping could give out.
TEST_F(Unpacking, DeepNestingNeedsNoDeepStack) {
    const int depth = 30000;
    std::string stream(depth, '\1');
    stream += fileRecord("deep.txt", "bottom") + std::string(depth, '\2');
    ASSERT_TRUE(unpack(gzipped(stream))) << error.text();
    EXPECT_EQ(scratch.read("dest/deep.txt"), "bottom");
}
