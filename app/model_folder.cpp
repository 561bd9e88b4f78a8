#include "app/model_folder.h"

#include <cstring>

#include "params/fold_upper.h"
#include "payload/archive_names.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "platform/file_ops.h"
#include "platform/folder_ops.h"
#include "platform/path_names.h"
#include "session/stores.h"
#include "session/translation.h"

namespace {

bool writeLibrary(const char* name, const TextBuffer& model, SessionMode mode, TextBuffer& error) {
    if (foldEquals(name, descriptionLibraryName)) {
        return extractLibrary(ProgramPath().text(), name, error, model.text(), nullptr);
    }
    // Library names become file and folder names in the model: one that would lead out of it
    // is refused, as archive records are.
    if (!isSafeName(name)) {
        error.assign(translate("Nom de fichier encapsul\xE9 refus\xE9 : "));
        error.append(name);
        return false;
    }
    // The extra variables are block text, not an archive: they are kept as stored in both modes.
    if (mode == SessionMode::modelStored || std::strcmp(name, extraVariablesLibraryName) == 0) {
        // The scratch copy of the library is the model's file itself.
        LibraryScratchFile() = JoinPath(model.text(), name);
        return extractLibrary(ProgramPath().text(), name, error, nullptr, nullptr);
    }
    return extractLibrary(ProgramPath().text(), name, error, JoinPath(model.text(), name).text(),
                          nullptr);
}

}  // namespace

bool writeModelFolder(const char* startedPath, SessionMode mode, TextBuffer& errors) {
    TextBuffer folder = ParentPath(startedPath);
    TextBuffer scratch = JoinPath(folder.text(), "libtmp.tmp");
    TextBuffer model = JoinPath(folder.text(), "Maquette");
    model.appendPath(StemName(startedPath).text());
    model.append(".cpx");
    WorkFolder() = RunFolder{model, false};
    MakeFolder(model.text(), false);
    EmptyFolder(model.text(), true);

    for (ParamCell* c = ContainerDirectory().children(); c; c = c->next) {
        const char* name = c->node->name();
        if (foldEquals(name, checksumLibraryName)) continue;
        LibraryScratchFile() = scratch;
        TextBuffer error;
        if (!writeLibrary(name, model, mode, error)) {
            errors.append(error);
            errors.appendChar('\n');
        }
    }
    // A model folder that could not be made fails every library alike: that is said once.
    if (!errors.empty() && !FolderExists(model.text())) {
        errors.assign(translate("Impossible de cr\xE9" "er le dossier : "));
        errors.append(model);
        errors.appendChar('\n');
    }
    return errors.empty();
}
