// Inputs only a POSIX file system can hold: control bytes in names, sparse files of 2 GiB,
// symbolic links; and paths given in UTF-8 on the command line.
#include <gtest/gtest.h>

#include <filesystem>

#include "../packer_run.h"
#include "payload/container_format.h"

namespace fs = std::filesystem;

namespace {

class UnusualInputs : public ::testing::Test {
protected:
    UnusualInputs() : scratch("unusual") {
        writeStub(scratch / "stub.exe", stubSize);
        scratch.write("product/install.ini", "Produit\n+\n-\n");
    }
    PackerRun build() {
        return runPacker({"build", "--description", scratch / "product", "--stub",
                          scratch / "stub.exe", "-o", scratch / "setup.exe"});
    }
    void expectRefused(const std::string& culprit) {
        PackerRun run = build();
        EXPECT_EQ(run.code, 1);
        EXPECT_NE(run.err.find(culprit), std::string::npos) << run.err;
        EXPECT_FALSE(scratch.exists("setup.exe"));
    }
    // A product holding one file of that name is refused for culprit.
    void expectNameRefused(const std::string& name, const std::string& culprit) {
        scratch.write("product/" + name, "x");
        expectRefused(culprit);
        fs::remove(scratch / ("product/" + name));
    }
    ScratchFolder scratch;
};

}  // namespace

TEST_F(UnusualInputs, NamesWithBytesBelowElevenOrThatTheInstallerRefuses) {
    expectNameRefused("tab\there.txt", "the byte 0x09");
    expectNameRefused("back\\slash.txt", "back\\slash.txt: the installer refuses this name");
    expectNameRefused(" ", "the name is blank");
}

TEST_F(UnusualInputs, NamesWindowsCannotTellApart) {
    scratch.write("product/Readme.txt", "1");
    expectNameRefused("README.TXT", "Windows cannot tell this name from");
    // Windows drops a trailing dot or blank: "a." and "b " would be the files "a" and "b".
    expectNameRefused("a.", "a.: the name ends in a dot or blank");
    expectNameRefused("b ", "b : the name ends in a dot or blank");
    for (const std::string device : {"CON", "nul", "COM1", "AUX.log", "con.txt"})
        expectNameRefused(device, device + ": the name is a device name on Windows");
    // Names that only begin like a device are ordinary.
    scratch.write("product/CONSOLE.txt", "x");
    scratch.write("product/COM10", "x");
    scratch.write("product/nul_.txt", "x");
    EXPECT_EQ(build().code, 0);
}

TEST_F(UnusualInputs, FilesOfTwoGibibytes) {
    scratch.write("product/huge.bin", "");
    fs::resize_file(scratch / "product/huge.bin", uint64_t(1) << 31);  // sparse: no disk used
    expectRefused("huge.bin: files of 2 GiB or more cannot be archived");
}

TEST_F(UnusualInputs, SymbolicLinksAreFollowedButNeverInALoop) {
    scratch.write("outside/shared.txt", "shared");
    fs::create_directory_symlink(scratch / "outside", scratch / "product/linked");
    PackerRun linked = build();
    ASSERT_EQ(linked.code, 0) << linked.err;
    ASSERT_EQ(runPacker({"extract", scratch / "setup.exe", "INSTALLE", scratch / "out"}).code, 0);
    EXPECT_EQ(scratch.read("out/linked/shared.txt"), "shared");
    fs::remove(scratch / "setup.exe");

    fs::create_directory_symlink(scratch / "product", scratch / "outside/back");
    expectRefused("symbolic link loop");
}

TEST_F(UnusualInputs, AccentedPathsOnTheCommandLine) {
    const std::string product = scratch / "produit \xC3\xA9t\xC3\xA9";
    scratch.write("produit \xC3\xA9t\xC3\xA9/install.ini", "Produit\n+\n-\n");
    scratch.write("produit \xC3\xA9t\xC3\xA9/d\xC3\xA9j\xC3\xA0.txt", "y");
    scratch.makeFolder("sortie \xC3\xA9t\xC3\xA9");
    const std::string installer = scratch / "sortie \xC3\xA9t\xC3\xA9/setup.exe";
    PackerRun built = runPacker({"build", "--description", product, "--stub", scratch / "stub.exe",
                                 "-o", installer, "--volume-size", "140000"});
    ASSERT_EQ(built.code, 0) << built.err;
    PackerRun listed = runPacker({"list", installer});
    EXPECT_EQ(listed.code, 0) << listed.out << listed.err;
    const std::string out = scratch / "extrait \xC3\xA9t\xC3\xA9";
    PackerRun extracted = runPacker({"extract", installer, "INSTALLE", out});
    ASSERT_EQ(extracted.code, 0) << extracted.err;
    EXPECT_EQ(treeOf(out), treeOf(product));
    EXPECT_NE(extracted.out.find(out), std::string::npos) << extracted.out;
}
