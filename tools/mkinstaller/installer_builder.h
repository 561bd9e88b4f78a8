#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/mkinstaller/gzip_sink.h"
#include "tools/mkinstaller/licence_files.h"
#include "tools/mkinstaller/stub_identity.h"

struct LibrarySource {
    std::string name;  // Windows-1252 bytes
    // A folder is archived; a file is stored as it is (a prebuilt library).
    std::filesystem::path path;
};

struct BuildOptions {
    std::filesystem::path description;
    std::vector<LibrarySource> libraries;
    std::optional<std::filesystem::path> extraVariables;
    // Ready translations merged into the root package's "Traduction" blocks.
    std::vector<std::string> languages;
    // The root package's "SOCIETE" (Windows-1252), unless the product sets its own.
    std::optional<std::string> publisher;
    std::vector<LicenceSource> licences;
    std::filesystem::path stub;
    uint64_t volumeSize = 0;  // 0: everything in one file
    Compression compression;
    // The elevation, version texts and icon written into the copy of the stub; version texts
    // left empty take the product's.
    StubIdentity identity;
    std::filesystem::path output;
};

// What was written, for the packer's report.
struct BuildSummary {
    int libraries = 0;  // the checksum not counted
    uint64_t size = 0;  // of the whole installer, volumes included
    int volumes = 0;
    // The product's own "SOCIETE", kept over the --publisher given.
    std::optional<std::string> keptPublisher;
};

// Writes an installer: the stub, then the container with "INSTALLE" (the description archived,
// its root install.ini with the ready translations of the languages asked for, its root var.ini
// with the publisher's name, the licences beside them),
// the libraries in the given order, "VARBONUS" (the extra variables as they are) and "CRC". All
// input is checked before anything is written, and the output appears only when complete.
// A PackError names what went wrong. Progress goes to `progress` when given.
BuildSummary buildInstaller(const BuildOptions& options, std::ostream* progress);

// Archives a folder into one gzip file (a loose library).
void packLibrary(const std::filesystem::path& folder, Compression compression,
                 const std::filesystem::path& output, std::ostream* progress);
