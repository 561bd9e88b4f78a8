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
    DialogFolder().clear();
    MainWindow() = nullptr;
    ContainerDirectory().reset(Reach::tree);
    ExtraVariables().reset(Reach::tree);
    ErrorList().reset(Reach::tree);
    OpenList().reset(Reach::tree);
    SlideShowList().reset(Reach::tree);
    ShortcutMode() = defaultShortcutMode;
    Language().clear();
    Translations().reset(Reach::tree);
    ScriptProgress().index = 0;
    ScriptProgress().count = 0;
    Copied().bytes = 0;
    Copied().files = 0;
    RunningPackage() = nullptr;
    StopFlag() = false;
    RunLimits() = RunLimitCounters();
    clearVariables();
    setRegistryView64(false);
}
