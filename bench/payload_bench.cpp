// Unpacking and checksum throughput, each side by side with its baseline on the same data, in
// one run: the installer's unpacking against zlib's gzip reader inflating the same library into
// one file (64 KiB reads), and the container checksum pass against a plain sequential read of
// the same file. Usage: payload_bench [MEGABYTES] (default 200).
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "params/file_stream.h"
#include "payload/archive_reader.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "tools/mkinstaller/installer_builder.h"

namespace fs = std::filesystem;

namespace {

const size_t blockSize = 1 << 16;

// Mixed content, one file per megabyte: text-like runs, incompressible noise, long runs of
// zeros and short repeated patterns, as installed products mix documents, binaries and data.
void writeMixedTree(const fs::path& folder, int megabytes) {
    std::mt19937 random(1);
    std::vector<char> block(1 << 20);
    const std::string words[] = {"installer ", "payload ",  "archive ",
                                 "folder ",    "checksum ", "volume\n"};
    for (int i = 0; i < megabytes; ++i) {
        fs::path file =
            folder / ("sub" + std::to_string(i % 8)) / ("file" + std::to_string(i) + ".bin");
        fs::create_directories(file.parent_path());
        for (size_t at = 0; at < block.size();) {
            size_t run = std::min<size_t>(block.size() - at, 4096 + random() % 60000);
            switch ((i + at / 65536) % 4) {
                case 0:
                    for (size_t k = 0; k < run; ++k)
                        block[at + k] = words[(k / 10 + random() % 3) % 6][k % 10];
                    break;
                case 1:
                    for (size_t k = 0; k < run; ++k) block[at + k] = static_cast<char>(random());
                    break;
                case 2: std::fill_n(block.begin() + at, run, '\0'); break;
                default:
                    for (size_t k = 0; k < run; ++k)
                        block[at + k] = static_cast<char>("\x10\x20\x30\x40"[k % 4] + i);
            }
            at += run;
        }
        std::ofstream(file, std::ios::binary)
            .write(block.data(), static_cast<std::streamsize>(block.size()));
    }
}

// Seconds taken by work.
double timed(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Peak resident memory in MB from the system's process status; -1 where there is none.
double peakResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024;
    return -1;
}

void inflateWithZlib(const std::string& library, const std::string& output) {
    gzFile in = gzopen(library.c_str(), "rb");
    std::FILE* out = std::fopen(output.c_str(), "wb");
    std::vector<char> block(blockSize);
    int n;
    while ((n = gzread(in, block.data(), static_cast<unsigned>(block.size()))) > 0)
        std::fwrite(block.data(), 1, static_cast<size_t>(n), out);
    std::fclose(out);
    gzclose_r(in);
}

uint64_t readWhole(const std::string& path) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    std::vector<char> block(blockSize);
    uint64_t total = 0;
    while (size_t n = std::fread(block.data(), 1, block.size(), in)) total += n;
    std::fclose(in);
    return total;
}

void report(const char* what, double megabytes, double ours, double baseline,
            const char* baselineName) {
    std::printf("%-10s %8.1f MB/s   %-24s %8.1f MB/s   ratio %.2f\n", what, megabytes / ours,
                baselineName, megabytes / baseline, baseline / ours);
}

}  // namespace

int main(int argc, char** argv) {
    int megabytes = argc > 1 ? std::atoi(argv[1]) : 200;
    // The unpacking probes each folder before making it, with a diagnostic line each time.
    TextOutStream diagnostics;
    setErrorStream(&diagnostics);
    fs::path root = fs::temp_directory_path() / "payload-bench";
    fs::remove_all(root);
    fs::create_directories(root / "tree");
    writeMixedTree(root / "tree", megabytes);
    packLibrary(root / "tree", Compression{6}, root / "data.lib", nullptr);
    std::string library = (root / "data.lib").string();
    std::string zlibOutput = (root / "zlib.out").string();
    std::string unpacked = (root / "unpacked").string();
    std::printf("payload: %d MB in %d files, library %.1f MB (gzip level 6)\n", megabytes,
                megabytes, double(fs::file_size(library)) / (1 << 20));
    double before = peakResidentMegabytes();

    // The best of interleaved runs, so that both sides meet the same machine and other work on
    // it counts as little as possible. Earlier outputs are removed first: rewriting a file in
    // place makes some file systems flush it on close.
    const int runs = 5;
    double ours = 1e9, theirs = 1e9;
    for (int i = 0; i < runs; ++i) {
        fs::remove_all(unpacked);
        ours = std::min(ours, timed([&] {
                            TextBuffer error;
                            if (!unpackArchive(library.c_str(), unpacked.c_str(), error, nullptr))
                                std::fprintf(stderr, "unpacking failed: %s\n", error.text());
                        }));
        fs::remove(zlibOutput);
        theirs = std::min(theirs, timed([&] { inflateWithZlib(library, zlibOutput); }));
    }
    report("unpacking", megabytes, ours, theirs, "zlib gzread to a file");
    double after = peakResidentMegabytes();

    // The checksum pass over a whole installer built around the library.
    std::ofstream(root / "stub.exe", std::ios::binary) << std::string(stubSize, 'S');
    BuildOptions options;
    options.description = root / "tree" / "sub0";
    options.libraries.push_back({"DATA", root / "data.lib"});
    options.stub = root / "stub.exe";
    options.output = root / "setup.exe";
    buildInstaller(options, nullptr);
    std::string installer = options.output.string();
    int64_t end = static_cast<int64_t>(fs::file_size(installer));
    double checksum = 1e9, plain = 1e9;
    uint64_t sink = 0;
    for (int i = 0; i < runs; ++i) {
        checksum = std::min(checksum, timed([&] {
                                if (!checksumMatches(installer.c_str(), end))
                                    std::fprintf(stderr, "checksum mismatch\n");
                            }));
        plain = std::min(plain, timed([&] { sink += readWhole(installer); }));
    }
    report("checksum", double(end) / (1 << 20), checksum, plain, "plain sequential read");
    std::printf(
        "peak resident memory: %.1f MB before unpacking, %.1f MB after (-1: not known here)\n",
        before, after);
    fs::remove_all(root);
    return sink == 0;
}
