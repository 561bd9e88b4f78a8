// The file and folder commands on real files (natively, and under Wine for the Win32 calls).

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

#include "params/variable_store.h"
#include "payload_bytes.h"
#include "platform/process_paths.h"
#include "script/file_commands.h"
#include "script/script_engine.h"
#include "script_fixture.h"
#include "session/run_state.h"
#include "session/stores.h"

namespace {

// One per-item command with (name, value) items, as install.ini text.
std::string itemScript(const std::string& keyword, const Entries& items) {
    std::string text = "Installe\n+\n    \"" + keyword + "\"\n    +\n";
    for (const auto& [name, value] : items) {
        text += "        \"" + name + "\" = \"" + value + "\"\n";
    }
    return text + "    -\n-\n";
}

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

// The archive stream of a small tree: a.txt, sub/b.txt. Stored without compression, which the
// gzip reader passes through.
std::string sampleArchive() {
    return beginFolder("") + fileRecord("a.txt", "AAA") + beginFolder("sub") +
           fileRecord("b.txt", "BB") + endFolder("sub") + endFolder();
}

}  // namespace

class FileCommandsTest : public ScriptTest {
protected:
    void runItems(const std::string& keyword, const Entries& items) {
        run(itemScript(keyword, items));
    }

    // A program file whose container holds the library "DATA" (the sample archive) at offset 7.
    void installPayload() {
        std::string archive = sampleArchive();
        folder.write("program.bin", "PROGRAM" + archive + "trailing");
        Container& container = ProgramContainer();
        container.programPath.assign((folder / "program.bin").c_str());
        container.scratchFile.assign((folder / "libtmp.tmp").c_str());
        ParamNode* library = new ParamNode("DATA", 7);
        library->append(new ParamNode("Taille", static_cast<int32_t>(archive.size())));
        container.entries.append(library);
    }
};

TEST_F(FileCommandsTest, FcopyCopiesCountsBytesAndRefusesToCopyOntoItself) {
    folder.write("src.txt", "12345");
    std::string source = folder / "src.txt";
    std::string sameInOtherCase = folder.path + "/" + upperCase("src.txt");
    runItems("FCOPY", {{source, folder / "dst.txt"}, {source, sameInOtherCase}});
    EXPECT_EQ(folder.read("dst.txt"), "12345");
    EXPECT_EQ(Copied().bytes.load(), 5);
    Entries expected = {{"FCOPY", "Erreur de copie du fichier " + source + "=>" + sameInOtherCase}};
    EXPECT_EQ(reports(), expected);
    EXPECT_EQ(folder.read("src.txt"), "12345");
}

TEST_F(FileCommandsTest, RenameMovesAndReportsAMissingSource) {
    folder.write("old.txt", "x");
    runItems("RENAME", {{folder / "old.txt", folder / "new.txt"},
                        {folder / "gone.txt", folder / "other.txt"}});
    EXPECT_FALSE(folder.exists("old.txt"));
    EXPECT_EQ(folder.read("new.txt"), "x");
    Entries expected = {{"RENAME", "Erreur de renommage de " + (folder / "gone.txt") + "=>" +
                                       (folder / "other.txt")}};
    EXPECT_EQ(reports(), expected);
}

TEST_F(FileCommandsTest, FcreateEmptiesOrCreatesAndReportsAMissingFolder) {
    folder.write("full.txt", "content");
    std::string inMissingFolder = folder / "nowhere/new.txt";
    runItems("FCREATE",
             {{folder / "full.txt", "ignored"}, {folder / "fresh.txt", ""}, {inMissingFolder, ""}});
    EXPECT_TRUE(folder.exists("full.txt"));
    EXPECT_EQ(folder.read("full.txt"), "");
    EXPECT_TRUE(folder.exists("fresh.txt"));
    Entries expected = {{"FCREATE", "Erreur de création du fichier " + inMissingFolder}};
    EXPECT_EQ(reports(), expected);
}

TEST_F(FileCommandsTest, FappendWritesCrLfLineEndsAlsoInsideAValue) {
    std::string log = folder / "log.txt";
    runItems("FAPPEND", {{log, "first"}, {log, "second\nthird\n"}});
    EXPECT_EQ(folder.read("log.txt"), "first\r\nsecond\r\nthird\r\n\r\n");
    EXPECT_TRUE(errors().empty());
}

TEST_F(FileCommandsTest, MkdirCreatesParentsAndReportsAFolderBelowAFile) {
    folder.write("plain", "x");
    std::string belowFile = folder / "plain/sub";
    runItems("MKDIR", {{folder / "a/b/c", ""}, {belowFile, ""}});
    EXPECT_TRUE(folder.exists("a/b/c"));
    Entries expected = {{"MKDIR", "Erreur de création du dossier " + belowFile}};
    EXPECT_EQ(reports(), expected);
}

TEST_F(FileCommandsTest, CpdirCopiesATreeIntoAnExistingFolderOnly) {
    folder.write("tree/a.txt", "AAA");
    folder.write("tree/sub/b.txt", "BB");
    folder.makeFolder("copy");
    std::string missing = folder / "missing";
    runItems("CPDIR", {{folder / "tree", folder / "copy"}, {folder / "tree", missing}});
    EXPECT_EQ(folder.read("copy/a.txt"), "AAA");
    EXPECT_EQ(folder.read("copy/sub/b.txt"), "BB");
    Entries expected = {
        {"CPDIR", "Erreur de copie du dossier " + (folder / "tree") + "=>" + missing}};
    EXPECT_EQ(reports(), expected);
}

TEST_F(FileCommandsTest, CplibTakesAFolderThenALibFileThenAPayloadLibrary) {
    // A folder of that name wins over the ".lib" file beside it.
    folder.write("fromfolder/f.txt", "F");
    folder.write("fromfolder.lib", "not an archive");
    folder.write("loose.lib", sampleArchive());
    installPayload();
    for (const char* target : {"t1", "t2", "t3"}) folder.makeFolder(target);

    runItems("CPLIB", {{folder / "fromfolder", folder / "t1"},
                       {folder / "loose", folder / "t2"},
                       {"some/where/DATA", folder / "t3"}});
    EXPECT_EQ(folder.read("t1/f.txt"), "F");
    EXPECT_EQ(folder.read("t2/a.txt"), "AAA");
    EXPECT_EQ(folder.read("t2/sub/b.txt"), "BB");
    EXPECT_EQ(folder.read("t3/a.txt"), "AAA");
    EXPECT_EQ(folder.read("t3/sub/b.txt"), "BB");
    EXPECT_EQ(Copied().bytes.load(), 1 + 5 + 5);
    EXPECT_TRUE(errors().empty());
}

TEST_F(FileCommandsTest, CplibReportsALibraryFoundNowhere) {
    std::string name = folder / "lib1";
    std::string target = folder / "dest";
    runItems("CPLIB", {{name, target}});
    Entries expected = {{"CPLIB", "Erreur d'extraction de librairie lib1=>" + target +
                                      " : Erreur, librairie introuvable : lib1"}};
    EXPECT_EQ(reports(), expected);
}

// An unpacking of the program's own library is listed with the program file too, before the
// command's own entry.
TEST_F(FileCommandsTest, CplibListsAFailedPayloadUnpackingWithTheProgramFile) {
    installPayload();
    folder.write("plain", "x");
    std::string target = folder / "plain/dest";
    runItems("CPLIB", {{"DATA", target}});
    std::string reason =
        "Impossible de cr\xE9"
        "er le dossier : " +
        target;
    Entries expected = {
        {"CPLIB", "Erreur d'extraction de librairie DATA=>" + target + " : " + reason},
        {"ExtLIB", "Erreur de copie de la librairie interne " + (folder / "program.bin") + "=>" +
                       target + " (" + reason + ")"}};
    EXPECT_EQ(reports(), expected);
}

TEST_F(FileCommandsTest, CplibReportsABrokenLibFileWithTheUnpackingReason) {
    folder.write("broken.lib", std::string("\x01", 1) + "name" + '\x05');
    folder.makeFolder("dest");
    runItems("CPLIB", {{folder / "broken", folder / "dest"}});
    Entries expected = {{"CPLIB", "Erreur de copie de librairie " + (folder / "broken.lib") + "=>" +
                                      (folder / "dest") + " : Erreur d'analyse de la librairie"}};
    EXPECT_EQ(reports(), expected);
}

TEST_F(FileCommandsTest, DeldirRemovesATreeButPassesOverShortNames) {
    folder.write("victim/sub/f.txt", "x");
    folder.write("short/f.txt", "x");
    TextBuffer previous = CurrentFolder();
    ASSERT_TRUE(SetCurrentFolder(folder.path.c_str()));
    // "short" and "./short/" are shorter than ten characters.
    runItems("DELDIR", {{"short", ""}, {"./short/", ""}, {folder / "victim", ""}});
    SetCurrentFolder(previous.text());
    EXPECT_TRUE(folder.exists("short/f.txt"));
    EXPECT_FALSE(folder.exists("victim"));
    EXPECT_TRUE(errors().empty());
}

TEST_F(FileCommandsTest, FdelDeletesAndReportsAMissingFileUnlessSilenced) {
    folder.write("f.txt", "x");
    std::string missing = folder / "missing.txt";
    runItems("FDEL", {{folder / "f.txt", ""}, {missing, ""}});
    runItems("-FDEL", {{missing, ""}});
    EXPECT_FALSE(folder.exists("f.txt"));
    Entries expected = {{"FDEL", "Erreur de suppression du fichier " + missing}};
    EXPECT_EQ(reports(), expected);
}

TEST_F(FileCommandsTest, EvalueExpandsATemplateWithItsConditionalSections) {
    setVariable("NAME", "World");
    setVariable("DEBUG", "");
    folder.write("template.txt",
                 "Hello ${NAME}\r\n${?DEBUG|?}debug on\r\n${?/}${?MISSING|?}hidden${?/}end\\$");
    runItems("EVALUE", {{folder / "template.txt", folder / "out.txt"},
                        {folder / "absent.txt", folder / "empty.txt"}});
    EXPECT_EQ(folder.read("out.txt"), "Hello World\r\ndebug on\r\nend$");
    EXPECT_TRUE(folder.exists("empty.txt"));
    EXPECT_EQ(folder.read("empty.txt"), "");
    EXPECT_TRUE(errors().empty());
}

// Long copies: the stop request must end them between two files.
class StopTest : public FileCommandsTest {
protected:
    // Runs the script on a worker thread, sets the stop flag once copying has begun and
    // returns how long the worker took to leave after that. The bound the tests allow is far
    // above the few milliseconds one file takes, so that a loaded or instrumented machine
    // passes; the copied byte count shows that the copy did not run to its end.
    std::chrono::milliseconds stopWhileRunning(const std::string& script) {
        Package& loaded = load(script);
        std::atomic<bool> finished{false};
        std::thread worker([&loaded, &finished] {
            RunBlock(loaded, loaded.FindBlock("Installe"), nullptr, BlockProgress::tracked);
            finished.store(true);
        });
        while (Copied().bytes.load() == 0 && !finished.load()) std::this_thread::yield();
        auto stopped = std::chrono::steady_clock::now();
        StopFlag().store(true);
        worker.join();
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - stopped);
    }

    static constexpr int fileCount = 1000;
    const std::string content = std::string(64 * 1024, 'x');
};

TEST_F(StopTest, StopHaltsALongFolderCopy) {
    for (int i = 0; i < fileCount; ++i) folder.write("big/f" + std::to_string(i), content);
    folder.makeFolder("copy");
    auto waited = stopWhileRunning(itemScript("CPDIR", {{folder / "big", folder / "copy"}}));
    EXPECT_LT(waited.count(), 2000);
    EXPECT_LT(Copied().bytes.load(), int64_t(fileCount) * int64_t(content.size()));
    EXPECT_TRUE(errors().empty());
}

TEST_F(StopTest, StopHaltsALongLibraryUnpacking) {
    std::string archive("\x01", 1);
    for (int i = 0; i < fileCount; ++i) {
        archive += "f" + std::to_string(i) + '\0' +
                   bigEndian(static_cast<uint32_t>(content.size())) + content;
    }
    archive += '\x02';
    folder.write("big.lib", archive);
    folder.makeFolder("copy");
    auto waited = stopWhileRunning(itemScript("CPLIB", {{folder / "big", folder / "copy"}}));
    EXPECT_LT(waited.count(), 2000);
    EXPECT_LT(Copied().bytes.load(), int64_t(fileCount) * int64_t(content.size()));
    EXPECT_TRUE(errors().empty());
}

TEST_F(StopTest, StoppedPayloadExtractionAddsNoEntry) {
    installPayload();
    folder.makeFolder("dest");
    ParamNode command("CPLIB", "");
    ParamNode item("DATA", (folder / "dest").c_str());
    CommandRun run{load(""), command, "CPLIB", true, TextBuffer()};
    StopFlag().store(true);
    copyLibraryItem(run, item);
    EXPECT_FALSE(folder.exists("dest/a.txt"));
    EXPECT_TRUE(errors().empty());
}
