#include "session/reset.h"

#include "params/variable_store.h"
#include "platform/registry_key.h"
#include "session/run_state.h"
#include "session/stores.h"
#include "session/translation.h"

void resetSession() {
    ProgramPath().clear();
    WorkFolder() = RunFolder();
    LibraryScratchFile().clear();
    InstallFolder().clear();
    ContainerDirectory().reset(true);
    ExtraVariables().reset(true);
    ErrorList().reset(true);
    OpenList().reset(true);
    SlideShowList().reset(true);
    Language().clear();
    Translations().reset(true);
    ScriptProgress().index = 0;
    ScriptProgress().count = 0;
    Copied().bytes = 0;
    Copied().files = 0;
    RunningPackage() = nullptr;
    StopFlag() = false;
    clearVariables();
    setRegistryView64(false);
}
