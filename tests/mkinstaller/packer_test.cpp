#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <zlib.h>

#include "packer_run.h"
#include "params/fold_upper.h"
#include "payload/checksum.h"
#include "payload/container_format.h"
#include "platform/folder_ops.h"

namespace fs = std::filesystem;

namespace {

// A product tree with what archives must carry: empty files and folders, nesting, names with
// Windows-1252 letters, content large enough for several compressed blocks.
class Packer : public ::testing::Test {
protected:
    Packer() : scratch("packer") {
        writeStub(scratch / "stub.exe", stubSize);
        scratch.write("product/install.ini", "Produit\n+\n\tID = \"P\"\n-\n");
        scratch.write("product/vide.txt", "");
        scratch.makeFolder("product/empty");
        scratch.write("product/sub.cpx/deeper/data.bin", bigContent());
        CreateFolder((scratch / "product/caf\xE9 d\xE9j\xE0").c_str());
        writeWindowsNamed(scratch / "product/caf\xE9 d\xE9j\xE0/\xC9t\xE9.txt", "summer");
        scratch.write("data/readme.txt", "data library");
        scratch.write("data/nested/a/b/c.txt", "c");
        scratch.write("vars.ini", "Extra = \"1\"\n");
    }

    static std::string bigContent() {
        std::string bytes;
        for (uint32_t i = 0; i < 400000; ++i)
            bytes += static_cast<char>(i % 3 ? 'a' + i % 26 : (i * 7919u) >> 3);
        return bytes;
    }

    // A build command line; output, stub and description are names in the scratch folder.
    std::vector<std::string> build(const std::string& output, std::vector<std::string> more = {},
                                   const std::string& stub = "stub.exe",
                                   const std::string& description = "product") {
        std::vector<std::string> args = {"build",         "--description", scratch / description,
                                         "--stub",        scratch / stub,  "-o",
                                         scratch / output};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }

    std::string fileBytes(const std::string& name) const { return scratch.read(name); }

    // zlib's own reader over what must be one gzip member and nothing after it.
    static std::string gunzipOneMember(const std::string& gzip) {
        z_stream stream{};
        inflateInit2(&stream, 16 + MAX_WBITS);
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gzip.data()));
        stream.avail_in = static_cast<uInt>(gzip.size());
        std::string bytes;
        int result;
        do {
            char buffer[1 << 16];
            stream.next_out = reinterpret_cast<Bytef*>(buffer);
            stream.avail_out = sizeof buffer;
            result = inflate(&stream, Z_NO_FLUSH);
            bytes.append(buffer, sizeof buffer - stream.avail_out);
        } while (result == Z_OK);
        bool whole = result == Z_STREAM_END && stream.avail_in == 0;
        inflateEnd(&stream);
        return whole ? bytes : "not one whole gzip member";
    }

    ScratchFolder scratch;
};

}  // namespace

TEST_F(Packer, TreesComeBackByteForByte) {
    PackerRun lib = runPacker({"pack-lib", scratch / "data", "-o", scratch / "prebuilt.lib"});
    ASSERT_EQ(lib.code, 0) << lib.err;
    PackerRun built =
        runPacker(build("setup.exe", {"--library", "DATA-2=" + (scratch / "data"), "--library",
                                      "PRE=" + (scratch / "prebuilt.lib"), "--extra-variables",
                                      scratch / "vars.ini"}));
    ASSERT_EQ(built.code, 0) << built.err;

    PackerRun listed = runPacker({"list", scratch / "setup.exe"});
    EXPECT_EQ(listed.code, 0) << listed.out << listed.err;
    for (const char* shown :
         {"INSTALLE", "DATA-2", "PRE", "VARBONUS", "CRC", "size: right", "checksum: right"})
        EXPECT_NE(listed.out.find(shown), std::string::npos) << shown << "\n" << listed.out;

    PackerRun extracted = runPacker({"extract", scratch / "setup.exe", "--all", scratch / "out"});
    ASSERT_EQ(extracted.code, 0) << extracted.err;
    EXPECT_EQ(treeOf(scratch / "out/INSTALLE"), treeOf(scratch / "product"));
    // Accented names reach the system in its own spelling (UTF-8 on POSIX file systems).
    std::vector<std::string> names = entriesOf(scratch / "out/INSTALLE");
    EXPECT_NE(std::find(names.begin(), names.end(), "caf\xC3\xA9 d\xC3\xA9j\xC3\xA0"), names.end());
    EXPECT_EQ(treeOf(scratch / "out/DATA-2"), treeOf(scratch / "data"));
    EXPECT_EQ(treeOf(scratch / "out/PRE"), treeOf(scratch / "data"));
    EXPECT_EQ(fileBytes("out/VARBONUS"), fileBytes("vars.ini"));

    PackerRun one = runPacker({"extract", scratch / "setup.exe", "DATA-2", scratch / "one"});
    ASSERT_EQ(one.code, 0) << one.err;
    EXPECT_EQ(treeOf(scratch / "one"), treeOf(scratch / "data"));
}

TEST_F(Packer, StoredArchivesUnpackTheSame) {
    ASSERT_EQ(
        runPacker(build("stored.exe", {"--level", "0", "--library", "D=" + (scratch / "data")}))
            .code,
        0);
    // Stored archives start with the root folder record, not with the gzip magic bytes.
    std::string file = fileBytes("stored.exe");
    size_t directory = file.find("INSTALLE ", stubSize);
    ASSERT_EQ(directory, size_t(stubSize));
    PackerRun extracted = runPacker({"extract", scratch / "stored.exe", "--all", scratch / "out"});
    ASSERT_EQ(extracted.code, 0) << extracted.err;
    EXPECT_EQ(treeOf(scratch / "out/INSTALLE"), treeOf(scratch / "product"));
    EXPECT_EQ(treeOf(scratch / "out/D"), treeOf(scratch / "data"));
}

// Neither the inputs' times nor the number of threads that compress change a byte; a library
// compressed in pieces is one gzip member that zlib reads back as the stored archive.
TEST_F(Packer, SameInputsGiveTheSameBytes) {
    std::string big;
    for (int copy = 0; copy < 8; ++copy) big += std::to_string(copy) + bigContent();
    scratch.write("data/big.bin", big);
    const std::vector<std::string> more = {"--library", "D=" + (scratch / "data")};
    std::vector<std::string> threads = more;
    threads.insert(threads.end(), {"--jobs", "3"});
    ASSERT_EQ(runPacker(build("first.exe", threads)).code, 0);
    // Touching the inputs changes nothing: no time stamp goes into the output.
    fs::last_write_time(scratch / "data/readme.txt",
                        fs::file_time_type::clock::now() - std::chrono::hours(30));
    std::vector<std::string> oneThread = more;
    oneThread.insert(oneThread.end(), {"--jobs", "1"});
    ASSERT_EQ(runPacker(build("second.exe", oneThread)).code, 0);
    EXPECT_TRUE(fileBytes("first.exe") == fileBytes("second.exe"));
    ASSERT_EQ(runPacker({"pack-lib", scratch / "data", "-o", scratch / "a.lib"}).code, 0);
    ASSERT_EQ(runPacker({"pack-lib", scratch / "data", "--jobs", "2", "-o", scratch / "b.lib"}).code,
              0);
    ASSERT_EQ(
        runPacker({"pack-lib", scratch / "data", "--level", "0", "-o", scratch / "stored.lib"}).code,
        0);
    std::string lib = fileBytes("a.lib");
    EXPECT_TRUE(lib == fileBytes("b.lib"));
    EXPECT_TRUE(gunzipOneMember(lib) == fileBytes("stored.lib"));
    ASSERT_GT(lib.size(), 10u);
    EXPECT_EQ(lib.substr(0, 3), "\x1F\x8B\x08");
    EXPECT_EQ(lib.substr(4, 4), std::string(4, '\0'));   // no modification time
    EXPECT_EQ(static_cast<unsigned char>(lib[9]), 255);  // no system of origin
}

TEST_F(Packer, VolumesSplitTheInstaller) {
    ASSERT_EQ(runPacker(build("whole.exe")).code, 0);
    const std::string whole = fileBytes("whole.exe");
    const size_t volume = stubSize + 1000;
    PackerRun split = runPacker(build("split.exe", {"--volume-size", std::to_string(volume)}));
    ASSERT_EQ(split.code, 0) << split.err;
    std::string joined;
    int volumes = 0;
    for (std::string name = "split.exe"; scratch.exists(name);
         name = "split.exe" + std::to_string(++volumes)) {
        std::string part = fileBytes(name);
        EXPECT_LE(part.size(), volume);
        joined += part;
    }
    EXPECT_EQ(volumes, static_cast<int>((whole.size() + volume - 1) / volume));
    EXPECT_TRUE(joined == whole);

    PackerRun listed = runPacker({"list", scratch / "split.exe"});
    EXPECT_EQ(listed.code, 0) << listed.out;
    EXPECT_NE(listed.out.find("split.exe1"), std::string::npos);
    PackerRun extracted =
        runPacker({"extract", scratch / "split.exe", "INSTALLE", scratch / "out"});
    ASSERT_EQ(extracted.code, 0) << extracted.err;
    EXPECT_EQ(treeOf(scratch / "out"), treeOf(scratch / "product"));

    // A later build with fewer volumes removes the ones it no longer writes: the installer would
    // append them.
    ASSERT_EQ(runPacker(build("split.exe")).code, 0);
    EXPECT_FALSE(scratch.exists("split.exe1"));
    EXPECT_FALSE(scratch.exists("split.exe2"));
    EXPECT_EQ(runPacker({"list", scratch / "split.exe"}).code, 0);
}

TEST_F(Packer, ListTellsWhatTheInstallerWouldRefuse) {
    ASSERT_EQ(runPacker(build("setup.exe", {"--volume-size", std::to_string(stubSize + 500)})).code,
              0);
    std::string first = fileBytes("setup.exe");
    first[stubSize + 200] ^= 0x40;
    scratch.write("damaged.exe", first);
    fs::copy_file(scratch / "setup.exe1", scratch / "damaged.exe1");
    fs::copy_file(scratch / "setup.exe2", scratch / "damaged.exe2");
    PackerRun damaged = runPacker({"list", scratch / "damaged.exe"});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_NE(damaged.out.find("checksum: wrong"), std::string::npos) << damaged.out;

    fs::remove(scratch / "setup.exe2");
    PackerRun shortened = runPacker({"list", scratch / "setup.exe"});
    EXPECT_EQ(shortened.code, 1);
    EXPECT_NE(shortened.out.find("size: wrong"), std::string::npos) << shortened.out;

    PackerRun extract = runPacker({"extract", scratch / "setup.exe", "INSTALLE", scratch / "out"});
    EXPECT_EQ(extract.code, 1);
    EXPECT_NE(extract.err.find("Le fichier n'est pas de la bonne taille"), std::string::npos)
        << extract.err;

    scratch.write("tiny.exe", "MZ");
    PackerRun tiny = runPacker({"list", scratch / "tiny.exe"});
    EXPECT_EQ(tiny.code, 1);
    EXPECT_NE(tiny.err.find("not an installer"), std::string::npos);
}

TEST_F(Packer, ExtractingAMissingLibraryFails) {
    PackerRun built = runPacker(build("setup.exe"));
    ASSERT_EQ(built.code, 0);
    EXPECT_NE(built.out.find(": 1 library, "), std::string::npos) << built.out;
    PackerRun missing = runPacker({"extract", scratch / "setup.exe", "NOPE", scratch / "out"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("Erreur, librairie introuvable : NOPE"), std::string::npos)
        << missing.err;
}

TEST_F(Packer, ExtractingEveryLibraryStaysInsideTheFolder) {
    // A library name the packer refuses to write, as an installer from elsewhere may hold it.
    auto bigEndian = [](size_t n) {
        unsigned char bytes[4];
        writeBigEndian32(static_cast<uint32_t>(n), bytes);
        return std::string(reinterpret_cast<char*>(bytes), 4);
    };
    std::string archive = std::string("\x01x", 2) + '\0' + bigEndian(1) + "y" + '\x02';
    std::string bytes = fileBytes("stub.exe") + "../evil " + bigEndian(archive.size()) + "CRC " +
                        bigEndian(4) + archive;
    bytes += bigEndian(
        updateChecksum(0, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    scratch.write("foreign.exe", bytes);
    scratch.makeFolder("out");
    PackerRun run = runPacker({"extract", scratch / "foreign.exe", "--all", scratch / "out/all"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("library ../evil skipped"), std::string::npos) << run.err;
    EXPECT_FALSE(scratch.exists("out/evil"));
}

TEST_F(Packer, AnInstallerThatIsNotThereIsNamedAsSuch) {
    const std::string gone = scratch / "gone.exe";
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"list", gone}, {"extract", gone, "--all", scratch / "out"}}) {
        PackerRun run = runPacker(args);
        EXPECT_EQ(run.code, 1);
        EXPECT_NE(run.err.find("installer " + gone + ": "), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("no payload"), std::string::npos) << run.err;
    }
    PackerRun noFile = runPacker({"list"});
    EXPECT_NE(noFile.err.find("missing FILE"), std::string::npos) << noFile.err;
}

// Every refusal names its culprit, exits with 1 and leaves no output, finished or not, behind.
TEST_F(Packer, BadInputsAreRefusedBeforeAnythingIsWritten) {
    writeStub(scratch / "short-stub.exe", stubSize - 1);
    std::vector<std::string> hundred;
    for (int i = 0; i < 100; ++i) {
        hundred.push_back("--library");
        hundred.push_back("L" + std::to_string(i) + "=" + (scratch / "data"));
    }
    struct Case {
        std::vector<std::string> more;
        std::string culprit;
    };
    const std::string data = scratch / "data";
    const Case cases[] = {
        {{"--library", "=" + data}, "library name is empty"},
        {{"--library", std::string(160, 'N') + "=" + data}, "is 160 bytes long"},
        {{"--library", "MY DATA=" + data}, "\"MY DATA\" holds a blank"},
        {{"--library", "sub/DATA=" + data}, "\"sub/DATA\" is no plain file name"},
        {{"--library", "..=" + data}, "\"..\" is no plain file name"},
        {{"--library", "Lpt1.dat=" + data}, "\"Lpt1.dat\" is a device name on Windows"},
        {{"--library", "DATA.=" + data}, "\"DATA.\" ends in a dot"},
        {{"--library", "Data=" + data, "--library", "DATA=" + data}, "\"DATA\" repeats \"Data\""},
        {{"--library", "crc=" + data}, "\"crc\" is taken"},
        {{"--library", "Installe=" + data}, "\"Installe\" is taken"},
        {hundred, "too many libraries: 101"},
        {{"--library", "GONE=" + (scratch / "gone")}, "gone"},
        {{"--extra-variables", scratch / "gone.ini"}, "gone.ini"},
        {{"--volume-size", "1000"}, "volume size 1000 is too small"},
    };
    for (const Case& c : cases) {
        PackerRun run = runPacker(build("setup.exe", c.more));
        EXPECT_EQ(run.code, 1) << c.culprit;
        EXPECT_NE(run.err.find(c.culprit), std::string::npos) << c.culprit << "\n" << run.err;
    }
    PackerRun shortStub = runPacker(build("setup.exe", {}, "short-stub.exe"));
    EXPECT_EQ(shortStub.code, 1);
    EXPECT_NE(shortStub.err.find("135167 bytes"), std::string::npos) << shortStub.err;
    PackerRun missing = runPacker(build("setup.exe", {}, "stub.exe", "gone"));
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("gone"), std::string::npos);
    for (const char* output : {"data", "gone/setup.exe"}) {
        PackerRun misplaced = runPacker(build(output));
        EXPECT_EQ(misplaced.code, 1);
        EXPECT_NE(misplaced.err.find("output"), std::string::npos) << misplaced.err;
    }
    PackerRun intoFolder = runPacker({"pack-lib", scratch / "data", "-o", scratch / "product"});
    EXPECT_NE(intoFolder.err.find("is a folder"), std::string::npos) << intoFolder.err;
    std::vector<std::string> left = entriesOf(scratch.path);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"data", "product", "short-stub.exe", "stub.exe",
                                              "vars.ini"}));
}

TEST_F(Packer, CommandLinesThatCannotBeUnderstood) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"build", "-o", scratch / "x.exe"},
                                               {"build", "--level", "10"},
                                               {"build", "--description"},
                                               {"list"},
                                               {"build", "-o", "a.exe", "-o", "b.exe"},
                                               {"pack-lib", scratch / "data"},
                                               {"extract", "a.exe", "NAME"}}) {
        PackerRun run = runPacker(args);
        EXPECT_EQ(run.code, 2);
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
    PackerRun noCommand = runPacker({});
    EXPECT_NE(noCommand.err.find("missing a command"), std::string::npos) << noCommand.err;
    PackerRun twice = runPacker(build("setup.exe", {"--level", "1", "--level", "2"}));
    EXPECT_NE(twice.err.find("--level is given twice"), std::string::npos) << twice.err;
    PackerRun noValue = runPacker({"build", "--level"});
    EXPECT_NE(noValue.err.find("missing the value of --level"), std::string::npos) << noValue.err;
}

TEST_F(Packer, HelpIsShownForEveryCommand) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"help"}, {"build", "--help"}, {"extract", "-h"}}) {
        PackerRun run = runPacker(args);
        EXPECT_EQ(run.code, 0) << args[0];
        EXPECT_NE(run.out.find("mkinstaller build --description"), std::string::npos);
        EXPECT_EQ(run.err, "");
    }
}
