#include "tools/mkinstaller/installer_builder.h"

#include <fstream>
#include <system_error>

#include "app/brand.h"
#include "packages/package.h"
#include "payload/container_format.h"
#include "payload/signing_fields.h"
#include "platform/code_page.h"
#include "tools/mkinstaller/archive_tree.h"
#include "tools/mkinstaller/archive_writer.h"
#include "tools/mkinstaller/gzip_sink.h"
#include "tools/mkinstaller/input_files.h"
#include "tools/mkinstaller/library_names.h"
#include "tools/mkinstaller/licence_files.h"
#include "tools/mkinstaller/pack_error.h"
#include "tools/mkinstaller/pending_file.h"
#include "tools/mkinstaller/progress.h"
#include "tools/mkinstaller/publisher_setting.h"
#include "tools/mkinstaller/source_map.h"
#include "tools/mkinstaller/temporary_folder.h"
#include "tools/mkinstaller/translation_blocks.h"
#include "tools/mkinstaller/volume_writer.h"
#include "tools/mkinstaller/windows_names.h"

namespace fs = std::filesystem;

namespace {

// One library as the container will hold it: an archived folder, or a file stored as it is.
struct LibraryInput {
    std::string name;
    fs::path path;
    std::optional<ArchiveNode> tree;
    uint64_t fileSize = 0;
    uint32_t storedSize = 0;  // once written
};

LibraryInput scanLibrary(const std::string& name, const fs::path& path) {
    LibraryInput input{name, path, std::nullopt, 0, 0};
    std::error_code error;
    if (fs::is_directory(path, error)) {
        input.tree = scanArchiveFolder(path);
    } else {
        input.fileSize = regularFileSize(path, "library " + name + ":");
        if (input.fileSize > uint64_t(maxContainerEnd))
            throw PackError("library " + name + ": " + path.u8string() + " is 2 GiB or more");
    }
    return input;
}

uint64_t inputSize(const LibraryInput& input) {
    return input.tree ? contentSize(*input.tree) : input.fileSize;
}

void checkStub(const fs::path& stub) {
    uint64_t size = regularFileSize(stub, "stub");
    if (size != uint64_t(stubSize))
        throw PackError("stub " + stub.u8string() + " is " + std::to_string(size) +
                        " bytes; a stub is exactly " + std::to_string(stubSize) + " bytes");
}

// The output goes into an existing folder and is no folder itself; found out before the work,
// not when the finished file cannot take its name.
void checkOutput(const fs::path& output) {
    fs::path folder = output.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw PackError("output folder " + folder.u8string() + " does not exist");
    if (fs::is_directory(output, error))
        throw PackError("output " + output.u8string() + " is a folder, not a file name");
}

// Writes one library into the sink; its stored size is the sink's growth.
void writeLibrary(LibraryInput& input, PendingFile& body, Compression compression,
                  Progress& progress) {
    FileSink sink(body.stream(), body.temporaryPath());
    if (input.tree) {
        GzipSink gzip(sink, compression);
        writeArchive(*input.tree, gzip, progress);
        gzip.finish();
    } else {
        copyFileInto(input.path, input.fileSize, sink, progress);
    }
    if (sink.written() > uint64_t(maxContainerEnd))
        throw PackError("library " + input.name + " takes 2 GiB or more");
    input.storedSize = static_cast<uint32_t>(sink.written());
}

// The archive takes the root install.ini with the ready translations, written into `folder`, in
// place of the product's own.
void addReadyTranslations(ArchiveNode& root, const BuildOptions& options, const Package& product,
                          const fs::path& folder) {
    ArchiveNode* file = findFile(root, "install.ini");
    if (!file)
        throw PackError("--languages: " + options.description.u8string() +
                        " has no install.ini to hold the translations");
    std::string bytes = withReadyTranslations(file->path, product, options.languages);
    fs::path merged = folder / "install.ini";
    std::ofstream(merged, std::ios::binary) << bytes;
    file->path = merged;
    file->size = bytes.size();
}

// What the packer adds to the archived description. The files it rewrites go into `rewritten`,
// made only then: a plain build needs no temporary folder. The product's own "SOCIETE", when it
// keeps it over --publisher, is returned.
std::optional<std::string> addToDescription(ArchiveNode& root, const BuildOptions& options,
                                            std::optional<TemporaryFolder>& rewritten) {
    addLicences(root, options.licences);
    if (options.languages.empty() && !options.publisher) return std::nullopt;
    fs::path folder = systemPath(rewritten.emplace().text().c_str());
    QuietDiagnostics quiet;
    Package product(installerPath(options.description).c_str(), nullptr);
    if (!options.languages.empty()) addReadyTranslations(root, options, product, folder);
    if (!options.publisher) return std::nullopt;
    return addPublisher(root, product, *options.publisher, folder);
}

std::string directoryEntry(const std::string& name, uint32_t size) {
    unsigned char bytes[4];
    writeBigEndian32(size, bytes);
    return name + ' ' + std::string(reinterpret_cast<char*>(bytes), 4);
}

}  // namespace

BuildSummary buildInstaller(const BuildOptions& options, std::ostream* progressOut) {
    std::vector<std::string> names;
    for (const LibrarySource& library : options.libraries) names.push_back(library.name);
    checkLibraryNames(names, options.extraVariables ? 2 : 1);
    checkStub(options.stub);

    std::vector<LibraryInput> inputs;
    std::error_code error;
    if (!fs::is_directory(options.description, error))
        throw PackError("description " + options.description.u8string() + ": not a folder");
    inputs.push_back(scanLibrary(descriptionLibraryName, options.description));
    std::optional<TemporaryFolder> rewritten;
    std::optional<std::string> keptPublisher =
        addToDescription(*inputs.front().tree, options, rewritten);
    for (const LibrarySource& library : options.libraries)
        inputs.push_back(scanLibrary(library.name, library.path));
    if (options.extraVariables) {
        LibraryInput extra{extraVariablesLibraryName, *options.extraVariables, std::nullopt, 0, 0};
        extra.fileSize = regularFileSize(extra.path, "extra variables");
        inputs.push_back(std::move(extra));
    }

    uint64_t directorySize = sizeof checksumLibraryName - 1 + directoryEntryOverhead;
    uint64_t total = 0;
    for (const LibraryInput& input : inputs) {
        directorySize += input.name.size() + directoryEntryOverhead;
        total += inputSize(input);
    }
    uint64_t head = uint64_t(stubSize) + directorySize;
    if (options.volumeSize && options.volumeSize < head)
        throw PackError("volume size " + std::to_string(options.volumeSize) +
                        " is too small: the first file holds the stub and the directory, " +
                        std::to_string(head) + " bytes");
    checkOutput(options.output);
    StubIdentity identity = options.identity;
    fillVersionDefaults(identity.version, options.description, options.output,
                        options.publisher ? utf8FromWindows1252(options.publisher->c_str()).text()
                                          : brandName);

    // The directory holds the libraries' stored sizes, so they are written to a scratch file first.
    PendingFile body(options.output.parent_path() / options.output.filename().concat(".body"));
    {
        Progress progress(progressOut, "archiving", total);
        for (LibraryInput& input : inputs) writeLibrary(input, body, options.compression, progress);
    }
    body.close();

    std::string directory;
    uint64_t end = head + checksumLibrarySize;
    for (const LibraryInput& input : inputs) {
        directory += directoryEntry(input.name, input.storedSize);
        end += input.storedSize;
    }
    directory += directoryEntry(checksumLibraryName, checksumLibrarySize);
    if (end > uint64_t(maxContainerEnd))
        throw PackError("the installer would take " + std::to_string(end) +
                        " bytes; it must stay below 2 GiB");

    VolumeWriter output(options.output, options.volumeSize);
    ChecksumSink summed(output);
    {
        // A pass of its own over the whole installer: large payloads take a while here too.
        Progress progress(progressOut, "writing", end);
        // The signing fields go out as zeros: a signing tool rewrites them, and an unsigned
        // installer's literal checksum is then also its signing-neutral one.
        std::vector<unsigned char> read = readWholeFile(options.stub, uint64_t(stubSize));
        std::string stub(read.begin(), read.end());
        applyIdentity(stub, identity);
        clearSigningFields(reinterpret_cast<unsigned char*>(&stub[0]), stub.size());
        summed.write(stub.data(), stub.size());
        progress.advance(stub.size());
        summed.write(directory.data(), directory.size());
        progress.advance(directory.size());
        copyFileInto(body.temporaryPath(), end - head - checksumLibrarySize, summed, progress);
        unsigned char checksum[4];
        writeBigEndian32(summed.checksum(), checksum);
        output.write(checksum, sizeof checksum);
        progress.advance(sizeof checksum);
    }
    output.commit();
    return BuildSummary{static_cast<int>(inputs.size()), end, output.volumeCount(), keptPublisher};
}

void packLibrary(const fs::path& folder, Compression compression, const fs::path& output,
                 std::ostream* progressOut) {
    ArchiveNode tree = scanArchiveFolder(folder);
    checkOutput(output);
    PendingFile file(output);
    {
        Progress progress(progressOut, "archiving", contentSize(tree));
        FileSink sink(file.stream(), file.temporaryPath());
        GzipSink gzip(sink, compression);
        writeArchive(tree, gzip, progress);
        gzip.finish();
    }
    file.commit();
}
