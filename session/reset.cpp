#include "session/reset.h"

#include "params/variable_store.h"
#include "platform/registry_key.h"
#include "session/run_state.h"
#include "session/stores.h"
#include "session/translation.h"

void resetSession() {
    Container& container = ProgramContainer();
    container.programPath.clear();
    container.entries.reset(Reach::tree);
    container.end = 0;
    container.scratchFile.clear();
    WorkFolder() = RunFolder();
    InstallFolder().clear();
    DialogFolder().clear();
    MainWindow() = nullptr;
    ExtraVariables().reset(Reach::tree);
    ErrorList().reset(Reach::tree);
    OpenList().reset(Reach::tree);
    SlideShowList().reset(Reach::tree);
    Language().clear();
    Translations().reset(Reach::tree);
    ScriptProgress().index = 0;
    ScriptProgress().count = 0;
    Copied().bytes = 0;
    Copied().files = 0;
    Copied().made = nullptr;
    RunningPackage() = nullptr;
    StopFlag() = false;
    RunLimits() = RunLimitCounters();
    clearVariables();
    setRegistryView64(false);
}
