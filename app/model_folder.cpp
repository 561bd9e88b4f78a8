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

// Whether the library was written; the reason of a failure goes to `error`, and a failed
// unpacking is listed as the installation lists it.
bool written(const Extraction& result, TextBuffer& error) {
    if (!result.unpackingError.empty()) addError("ExtLIB", result.unpackingError.text());
    error = result.error;
    return result.outcome == ExtractionOutcome::done;
}

bool writeLibrary(Container& container, const char* name, const TextBuffer& model, SessionMode mode,
                  TextBuffer& error) {
    if (foldEquals(name, descriptionLibraryName))
        return written(extractLibrary(container, name, model.text(), nullptr), error);
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
        container.scratchFile = JoinPath(model.text(), name);
        return written(extractLibrary(container, name, nullptr, nullptr), error);
    }
    TextBuffer folder = JoinPath(model.text(), name);
    return written(extractLibrary(container, name, folder.text(), nullptr), error);
}

}  // namespace

bool writeModelFolder(Container& container, const char* startedPath, SessionMode mode, TextBuffer& errors) {
    TextBuffer folder = ParentPath(startedPath);
    TextBuffer model = JoinPath(folder.text(), "Maquette");
    model.appendPath(StemName(startedPath).text());
    model.append(".cpx");
    WorkFolder() = RunFolder{model, false};
    MakeFolder(model.text(), FolderParents::required);
    EmptyFolder(model.text(), Reach::tree);

    for (ParamCell* c = container.entries.children(); c; c = c->next) {
        const char* name = c->node->name();
        if (foldEquals(name, checksumLibraryName)) continue;
        TextBuffer error;
        if (!writeLibrary(container, name, model, mode, error)) {
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
