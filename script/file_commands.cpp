#include "script/file_commands.h"

#include <cstring>

#include "params/file_stream.h"
#include "params/stream_expansion.h"
#include "params/variable_store.h"
#include "payload/archive_reader.h"
#include "payload/payload_reader.h"
#include "platform/folder_ops.h"
#include "platform/path_names.h"
#include "session/run_state.h"
#include "session/stores.h"

namespace {

// DELDIR passes over shorter names: a short path is more likely a drive or a system folder
// than a product's own folder.
const size_t shortestDeletableFolder = 10;

// A copy halted by a stop request is not a failure of the script: the user stopped it.
bool failedByItself(bool done) {
    return !done && !stopRequested();
}

}  // namespace

void copyFileItem(CommandRun& run, ParamNode& item) {
    if (!CopyFileOver(item.name(), itemValue(item), &Copied())) {
        report(run, "Erreur de copie du fichier ", item.name(), itemValue(item));
    }
}

void renameItem(CommandRun& run, ParamNode& item) {
    FileBefore before = fileBefore(Copied().made, itemValue(item));
    if (!RenamePath(item.name(), itemValue(item))) {
        report(run, "Erreur de renommage de ", item.name(), itemValue(item));
        return;
    }
    tellFileWritten(Copied().made, itemValue(item), before);
}

void createFileItem(CommandRun& run, ParamNode& item) {
    FileBefore before = fileBefore(Copied().made, item.name());
    OutFileStream file;
    if (!file.open(item.name(), FileMode::binary)) {
        report(run,
               "Erreur de cr\xE9"
               "ation du fichier ",
               item.name());
        return;
    }
    file.close();
    tellFileWritten(Copied().made, item.name(), before);
}

void appendLineItem(CommandRun& run, ParamNode& item) {
    // The file is a text file with CR LF line ends, also where the value holds line feeds of its
    // own; written in binary mode with every line end made explicit, the bytes are the same on
    // every system.
    FileBefore before = fileBefore(Copied().made, item.name());
    OutFileStream file(item.name(), FileMode::binary, FileWrite::append);
    const char* line = itemValue(item);
    for (const char* end; (end = std::strchr(line, '\n')) != nullptr; line = end + 1) {
        file.write(line, static_cast<int32_t>(end - line));
        file << "\r\n";
    }
    file << line << "\r\n";
    if (!file.close()) report(run, "Erreur d'ouverture du fichier ", item.name());
    tellFileWritten(Copied().made, item.name(), before);
}

void makeFolderItem(CommandRun& run, ParamNode& item) {
    if (!MakeFolder(item.name(), FolderParents::created, Copied().made)) {
        report(run,
               "Erreur de cr\xE9"
               "ation du dossier ",
               item.name());
    }
}

void copyFolderItem(CommandRun& run, ParamNode& item) {
    bool done = CopyFolder(item.name(), itemValue(item), Reach::tree, &Copied(), &StopFlag());
    if (failedByItself(done)) {
        report(run, "Erreur de copie du dossier ", item.name(), itemValue(item));
    }
}

void copyLibraryItem(CommandRun& run, ParamNode& item) {
    if (FolderExists(item.name())) {
        copyFolderItem(run, item);
        return;
    }
    TextBuffer detail;
    TextBuffer archive(item.name());
    archive.append(".lib");
    if (PathExists(archive.text())) {
        bool done =
            unpackArchive(archive.text(), itemValue(item), detail, &Copied(), &StopFlag());
        if (failedByItself(done)) {
            report(run, "Erreur de copie de librairie ", archive.text(), itemValue(item),
                   detail.text());
        }
        return;
    }
    TextBuffer library = BaseName(item.name());
    Extraction result =
        extractLibrary(ProgramContainer(), library.text(), itemValue(item), &Copied(), &StopFlag());
    if (result.outcome == ExtractionOutcome::failed) {
        if (!result.unpackingError.empty()) addError("ExtLIB", result.unpackingError.text());
        report(run, "Erreur d'extraction de librairie ", library.text(), itemValue(item),
               result.error.text());
    }
}

void deleteFolderItem(CommandRun&, ParamNode& item) {
    if (std::strlen(item.name()) >= shortestDeletableFolder) RemoveFolder(item.name(), Reach::tree);
}

void deleteFileItem(CommandRun& run, ParamNode& item) {
    if (!DeletePath(item.name())) report(run, "Erreur de suppression du fichier ", item.name());
}

void evaluateFileItem(CommandRun&, ParamNode& item) {
    FileBefore before = fileBefore(Copied().made, itemValue(item));
    InFileStream input(item.name(), FileMode::binary);
    OutFileStream output(itemValue(item), FileMode::binary);
    expandStream(input, output, VariableStore().children(), nullptr);
    output.close();
    tellFileWritten(Copied().made, itemValue(item), before);
}
