#include <algorithm>

#include "params/file_stream.h"
#include "params/fold_upper.h"
#include "payload/archive_names.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "platform/code_page.h"
#include "platform/file_ops.h"
#include "platform/folder_ops.h"
#include "tools/mkinstaller/commands.h"
#include "tools/mkinstaller/input_files.h"
#include "tools/mkinstaller/installer_reading.h"
#include "tools/mkinstaller/source_map.h"
#include "tools/mkinstaller/temporary_folder.h"
#include "tools/mkinstaller/windows_names.h"

namespace fs = std::filesystem;

namespace {

// A path the installer's code composed ("\\" separators), as the packer's system writes it.
std::string shown(const char* path) {
    std::string text = utf8FromWindows1252(path).text();
    std::replace(text.begin(), text.end(), '\\', static_cast<char>(fs::path::preferred_separator));
    return text;
}

// The extra variables are stored as they are, not archived: they are copied out into a file.
Extraction extractStored(const Container& container, const char* name, const TextBuffer& file) {
    Extraction result = extractLibrary(container, name, nullptr, nullptr);
    if (result.outcome == ExtractionOutcome::done &&
        !CopyFileOver(container.scratchFile.text(), file.text())) {
        result.outcome = ExtractionOutcome::failed;
        result.error.assign("cannot write ");
        result.error.append(file);
    }
    return result;
}

// One library into `destination`; the reason of a failure goes to the console, for a failed
// unpacking as the installer lists it (with the program file and the destination).
bool extractOne(const Container& container, const char* name, const TextBuffer& destination,
                Console& console) {
    bool stored = std::string(name) == extraVariablesLibraryName;
    TextBuffer file(destination);
    file.appendPath(name);
    Extraction result = stored ? extractStored(container, name, file)
                               : extractLibrary(container, name, destination.text(), nullptr);
    const TextBuffer& reason = result.unpackingError.empty() ? result.error : result.unpackingError;
    bool done = result.outcome == ExtractionOutcome::done;
    if (done)
        console.out << utf8FromWindows1252(name).text() << " -> "
                    << shown((stored ? file : destination).text()) << '\n';
    else
        console.err << "mkinstaller: " << utf8FromWindows1252(reason.text()).text() << '\n';
    return done;
}

// Shows what the installer would have shown in its start-up message boxes.
void printMessages(const ParamNode& messages, std::ostream& err) {
    for (ParamCell* cell = messages.children(); cell; cell = cell->next)
        err << "mkinstaller: " << utf8FromWindows1252(cell->node->name()).text() << '\n';
}

}  // namespace

// Unpacks libraries through the installer's own reader: the same directory reading, volume
// joining, checksum verification and unpacking as at start-up, with the messages on the console.
int extractCommand(Arguments& args, Console& console) {
    std::string file = args.take("FILE");
    std::string second = args.take("NAME or --all");
    bool all = second == "--all";
    std::string name = all ? std::string() : windowsText(second, "library name");
    std::string destination = args.take("DIR");
    if (!args.done()) throw UsageError("extract takes FILE NAME DIR or FILE --all DIR");
    if (regularFileSize(file, "installer") <= uint64_t(stubSize))
        throw PackError(file + ": no payload (the file is not longer than a stub)");
    if (!all && foldEquals(name.c_str(), checksumLibraryName))
        throw PackError(name + " holds the checksum, not files");

    TemporaryFolder work;
    QuietDiagnostics quiet;
    Container container;
    ParamNode messages;
    ContainerState state = openInstaller(file, work, container, messages);
    printMessages(messages, console.err);
    if (state == ContainerState::Unreadable) return 1;
    TextBuffer into(installerPath(destination).c_str());
    if (!MakeFolder(into.text(), FolderParents::created))
        throw PackError("cannot create " + destination);

    bool done = true;
    if (!all) {
        done = extractOne(container, name.c_str(), into, console);
    } else {
        for (ParamCell* cell = container.entries.children(); cell; cell = cell->next) {
            const char* library = cell->node->name();
            if (foldEquals(library, checksumLibraryName)) continue;
            // The packer writes no such name, but an installer from elsewhere may hold one.
            if (!isSafeName(library)) {
                console.err << "mkinstaller: library " << utf8FromWindows1252(library).text()
                            << " skipped: its name would lead out of " << destination
                            << " or is no file name on Windows\n";
                done = false;
                continue;
            }
            TextBuffer folder(into);
            if (std::string(library) != extraVariablesLibraryName) folder.appendPath(library);
            done = extractOne(container, library, folder, console) && done;
        }
    }
    return done && state == ContainerState::Sound ? 0 : 1;
}
