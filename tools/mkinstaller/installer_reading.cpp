#include "tools/mkinstaller/installer_reading.h"

#include "session/reset.h"
#include "session/stores.h"
#include "tools/mkinstaller/windows_names.h"
#include "ui/scripted_responder.h"

ContainerState openInstaller(const std::string& installer, const TemporaryFolder& work,
                             ParamNode& messages) {
    resetSession();
    ProgramPath().assign(installerPath(installer).c_str());
    LibraryScratchFile().assign(work.text().c_str());
    LibraryScratchFile().appendPath("libtmp.tmp");
    ScriptedResponder shown;
    ContainerState state = readDirectory(ProgramPath(), work.text().c_str());
    for (ParamCell* cell = shown.asked.children(); cell; cell = cell->next)
        messages.append(new ParamNode(cell->node->valueOf("text"), ""));
    return state;
}
