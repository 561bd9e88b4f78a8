#include "app/model_folder.h"

#include "app/session_startup.h"
#include "app/session_stores.h"
#include "params/fold_upper.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "platform/folder_ops.h"
#include "platform/path_names.h"

namespace {

bool writeLibrary(const char* name, const TextBuffer& model, int mode, TextBuffer& error) {
    if (foldEquals(name, descriptionLibraryName)) {
        return extractLibrary(name, error, model.text(), nullptr);
    }
    if (mode == 1) {
        // The scratch copy of the library is the model's file itself.
        LibraryScratchFile() = JoinPath(model.text(), name);
        return extractLibrary(name, error, nullptr, nullptr);
    }
    return extractLibrary(name, error, JoinPath(model.text(), name).text(), nullptr);
}

}  // namespace

void writeModelFolder(int mode) {
    WorkFolder() = ParentPath(ProgramPath().text());
    TextBuffer scratch = JoinPath(WorkFolder().text(), "libtmp.tmp");
    TextBuffer model = JoinPath(WorkFolder().text(), "Maquette");
    model.appendPath(StemName(ProgramPath().text()).text());
    model.append(".cpx");
    WorkFolder() = model;
    MakeFolder(model.text(), false);
    EmptyFolder(model.text(), true);

    TextBuffer errors;
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
    if (!errors.empty()) showStartupMessage("Erreur de d\xE9" "compactage", errors.text());
}
