#include <algorithm>
#include <iomanip>
#include <system_error>

#include "app/publisher_name.h"
#include "packages/package.h"
#include "params/block_format.h"
#include "params/param_node.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "payload/signing_fields.h"
#include "platform/code_page.h"
#include "platform/folder_ops.h"
#include "platform/path_names.h"
#include "tools/mkinstaller/commands.h"
#include "tools/mkinstaller/input_files.h"
#include "tools/mkinstaller/installer_reading.h"
#include "tools/mkinstaller/source_map.h"
#include "tools/mkinstaller/stub_identity.h"
#include "tools/mkinstaller/temporary_folder.h"
#include "tools/mkinstaller/translation_blocks.h"
#include "tools/mkinstaller/volume_writer.h"
#include "tools/mkinstaller/windows_names.h"

namespace fs = std::filesystem;

namespace {

void printDirectory(const ParamNode& directory, std::ostream& out) {
    out << "      offset        size  name\n";
    for (ParamCell* cell = directory.children(); cell; cell = cell->next)
        out << std::setw(12) << cell->node->integerValue() << std::setw(12)
            << cell->node->integerOf("Taille") << "  "
            << utf8FromWindows1252(cell->node->name()).text() << '\n';
}

// The volumes the installer would join: its path followed by 1, 2, ... up to the first missing.
std::vector<fs::path> findVolumes(const fs::path& installer) {
    std::vector<fs::path> volumes;
    std::error_code error;
    for (int n = 1; fs::exists(volumePath(installer, n), error); ++n)
        volumes.push_back(volumePath(installer, n));
    return volumes;
}

const char* checksumVerdict(int matches) {
    switch (matches) {
    case checksumLiteral | checksumSigningNeutral:
        return "checksum: right (literal and with the signing fields as zeros)\n";
    case checksumLiteral: return "checksum: right (literal)\n";
    case checksumSigningNeutral: return "checksum: right (with the signing fields as zeros)\n";
    default: return "checksum: wrong\n";
    }
}

// A signature is the certificate table that the header's entry points to, after the container.
void printSignature(const fs::path& file, int64_t end, std::ostream& out) {
    unsigned char header[4096] = {};
    std::ifstream in = openForReading(file);
    std::streamsize n = in.rdbuf()->sgetn(reinterpret_cast<char*>(header), sizeof header);
    SigningFields fields;
    uint32_t offset = 0, size = 0;
    if (n > 0 && findSigningFields(header, static_cast<size_t>(n), fields)) {
        offset = readLittleEndian32(header + fields.certificateAt);
        size = readLittleEndian32(header + fields.certificateAt + 4);
    }
    if (size == 0)
        out << "signature: none\n";
    else if (int64_t(offset) >= end)
        out << "signature: " << size << " bytes appended at " << offset << '\n';
    else
        out << "signature: the header points inside the container (at " << offset << ")\n";
}

// The elevation, version texts and icon the stub carries (a stand-in stub carries none).
void printIdentity(const fs::path& file, std::ostream& out) {
    std::string stub(size_t(stubSize), '\0');
    std::ifstream in = openForReading(file);
    in.rdbuf()->sgetn(&stub[0], std::streamsize(stub.size()));
    if (stub.compare(0, 2, "MZ") == 0) out << describeIdentity(stub);
}

// The licences in the root of the description, by their file names; none: the built-in one.
void printLicences(const fs::path& description, std::ostream& out) {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(description, error)) {
        std::string key = windowsCaseKey(windowsName(entry.path()));
        bool general = key == "LICENCE.RTF";
        bool ofLanguage =
            key.size() == 14 && key.rfind("LICENCE-", 0) == 0 && key.compare(10, 4, ".RTF") == 0;
        if (general || ofLanguage) names.push_back(entry.path().filename().u8string());
    }
    std::sort(names.begin(), names.end());
    out << "licence:";
    if (names.empty()) out << " built-in";
    for (const std::string& name : names) out << ' ' << name;
    out << '\n';
}

// Where the description is unpacked, inside the work folder.
const char unpackedFolder[] = "description";

// What the installer shows of its publisher, read from its install description as the stub
// unpacks it: the interface languages (French, and those its root package translates into), the
// publisher's name and the licences.
void printDescription(const std::string& installer, std::ostream& out) {
    TemporaryFolder work;
    QuietDiagnostics quiet;
    Container container;
    ParamNode messages, tree;
    TextBuffer folder(work.text().c_str());
    folder.appendPath(unpackedFolder);
    bool unpacked =
        openInstaller(installer, work, container, messages) != ContainerState::Unreadable &&
        MakeFolder(folder.text(), FolderParents::created) &&
        extractLibrary(container, descriptionLibraryName, folder.text(), nullptr).outcome ==
            ExtractionOutcome::done;
    if (unpacked) readTreeFile(tree, JoinPath(folder.text(), "install.ini").text());
    out << "languages: fr";
    for (const auto& carried : carriedLanguages(tree))
        out << ", " << carried.first << " (" << carried.second << " texts)";
    out << '\n';
    if (!unpacked) return;
    Package root(folder.text(), nullptr);
    out << "publisher: " << utf8FromWindows1252(publisherName(root)).text() << '\n';
    printLicences(systemPath(work.text().c_str()) / unpackedFolder, out);
}

}  // namespace

// Reads an installer as the stub does and tells whether the stub would accept it.
int listCommand(Arguments& args, Console& console) {
    fs::path file = args.take("FILE");
    if (!args.done()) throw UsageError("list takes one FILE");
    std::ostream& out = console.out;
    uint64_t size = regularFileSize(file, "installer");
    if (size < uint64_t(stubSize))
        throw PackError(file.u8string() + ": shorter than a stub, not an installer");
    if (size == uint64_t(stubSize)) {
        out << file.u8string() << ": a stub without payload\n";
        return 0;
    }
    ParamNode directory;
    int64_t end = 0;
    const std::string installerFile = installerPath(file);
    if (!readDirectoryEntries(installerFile.c_str(), directory, end))
        throw PackError(file.u8string() + ": the directory cannot be read");
    out << file.u8string() << ": " << directory.childCount() << " entries, the container ends at "
        << end << '\n';
    printDirectory(directory, out);

    std::vector<fs::path> volumes = findVolumes(file);
    out << "volumes:";
    if (volumes.empty()) out << " none";
    for (const fs::path& volume : volumes) out << ' ' << volume.filename().u8string();
    out << '\n';

    bool sound = true;
    std::string checked = installerFile;
    TemporaryFolder work;
    if (size >= uint64_t(end)) {
        out << "size: right";
        if (size > uint64_t(end))
            out << " (" << size - uint64_t(end) << " bytes after the container are ignored)";
        out << '\n';
    } else {
        TextBuffer joined(checked.c_str());
        sound = joinVolumes(joined, work.text().c_str(), end);
        out << (sound ? "size: right, with the volumes\n"
                      : "size: wrong, the files do not hold the whole container\n");
        checked = joined.text();
    }
    if (!directory.find("CRC")) {
        out << "checksum: none (no entry named CRC)\n";
    } else {
        int matches = checksumMatches(checked.c_str(), end);
        out << checksumVerdict(matches);
        sound = sound && matches != 0;
    }
    printSignature(file, end, out);
    printIdentity(file, out);
    printDescription(file.u8string(), out);
    return sound ? 0 : 1;
}
