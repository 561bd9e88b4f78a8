// Damaged containers and archives: whatever the bytes, the reader ends with a result, and
// nothing is written outside the folders it was given (the sanitizer build checks the memory
// side of "no crash").
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "captured_diagnostics.h"
#include "payload/archive_reader.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "payload_bytes.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

const std::string tree = beginFolder("") + beginFolder("a.cpx") + fileRecord("install.ini", "[a]") +
                         beginFolder("deeper") + fileRecord("x", std::string(3000, 'x')) +
                         endFolder("deeper") + endFolder("a.cpx") +
                         fileRecord("var.ini", "v = \"1\"") + fileRecord("empty", "") + endFolder();

// Flips 1 to 4 bytes from `from` on, towards values that matter to the reader: type bytes, path
// characters, or anything.
std::string damage(std::string bytes, size_t from, std::mt19937& random) {
    const char interesting[] = {'\0', '\1', '\2', '\5', '.', '\\', '/', ':', ' ', '\x1F', '\x8B'};
    int flips = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < flips && bytes.size() > from; ++i) {
        size_t at = from + random() % (bytes.size() - from);
        bytes[at] =
            random() % 2 ? interesting[random() % sizeof interesting] : static_cast<char>(random());
    }
    if (random() % 3 == 0) bytes.resize(from + random() % (bytes.size() - from + 1));
    return bytes;
}

// Every entry under the scratch folder lies in one of the allowed top-level entries.
void expectOnlyInside(const ScratchFolder& scratch, std::initializer_list<const char*> allowed) {
    for (const auto& entry : fs::directory_iterator(scratch.path)) {
        std::string name = entry.path().filename().string();
        bool known = false;
        for (const char* a : allowed) known = known || name == a;
        EXPECT_TRUE(known) << "written outside: " << name;
    }
}

}  // namespace

TEST(Fuzz, DamagedArchivesStayInsideTheirDestination) {
    ScratchFolder scratch("fuzz-archive");
    // The folders the reader probes before creating them each leave a diagnostic line.
    CapturedDiagnostics quiet;
    std::mt19937 random(11);
    for (int round = 0; round < 120; ++round) {
        bool compressed = round % 2 == 0;
        std::string library = compressed ? gzipped(tree) : tree;
        fs::remove_all(scratch / "dest");
        fs::remove(scratch / "lib");
        scratch.write("lib", damage(library, compressed ? 10 : 0, random));
        TextBuffer error;
        unpackArchive((scratch / "lib").c_str(), (scratch / "dest/inner").c_str(), error, nullptr);
    }
    expectOnlyInside(scratch, {"lib", "dest"});
    for (const auto& entry : fs::directory_iterator(scratch / "dest"))
        EXPECT_EQ(entry.path().filename(), "inner");
}

TEST(Fuzz, DamagedContainersEndWithAResult) {
    ScratchFolder scratch("fuzz-container");
    // The folders the reader probes before creating them each leave a diagnostic line.
    CapturedDiagnostics quiet;
    const std::string file =
        installerFile({{"INSTALLE", gzipped(tree)}, {"DATA", tree}, {"VARBONUS", "a = \"b\"\n"}});
    std::mt19937 random(12);
    for (int round = 0; round < 80; ++round) {
        fs::remove_all(scratch / "dest");
        fs::remove_all(scratch / "work");
        fs::remove(scratch / "setup.exe");
        scratch.makeFolder("work");
        scratch.write("setup.exe", damage(file, stubSize, random));
        Container container;
        container.programPath.assign((scratch / "setup.exe").c_str());
        container.scratchFile.assign((scratch / "work/libtmp.tmp").c_str());
        ParamNode failures;
        if (readContainer(container, (scratch / "work").c_str(), failures) ==
            ContainerState::Unreadable)
            continue;
        int n = 0;
        for (ParamCell* cell = container.entries.children(); cell; cell = cell->next) {
            std::string dest = scratch / ("dest/" + std::to_string(n++));
            extractLibrary(container, cell->node->name(), dest.c_str(), nullptr);
        }
    }
    expectOnlyInside(scratch, {"setup.exe", "work", "dest"});
    for (const auto& entry : fs::directory_iterator(scratch / "work"))
        EXPECT_TRUE(entry.path().filename() == "libtmp.tmp" ||
                    entry.path().filename() == "cloneexe.exe")
            << entry.path();
}
