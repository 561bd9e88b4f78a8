#include "app/session_stores.h"

#define PROCESS_STORE(Type, Name) \
    Type& Name() {                \
        static Type store;        \
        return store;             \
    }

PROCESS_STORE(TextBuffer, ProgramPath)
PROCESS_STORE(RunFolder, WorkFolder)
PROCESS_STORE(TextBuffer, LibraryScratchFile)
PROCESS_STORE(TextBuffer, InstallFolder)
PROCESS_STORE(ParamNode, ContainerDirectory)
PROCESS_STORE(ParamNode, ExtraVariables)
PROCESS_STORE(ParamNode, ErrorList)
PROCESS_STORE(ParamNode, OpenList)
PROCESS_STORE(ParamNode, SlideShowList)

void addError(const char* keyword, const char* message) {
    ErrorList().prepend(new ParamNode(keyword, message));
}

void resetSessionStores() {
    ProgramPath().clear();
    WorkFolder() = RunFolder();
    LibraryScratchFile().clear();
    InstallFolder().clear();
    ContainerDirectory().reset(true);
    ExtraVariables().reset(true);
    ErrorList().reset(true);
    OpenList().reset(true);
    SlideShowList().reset(true);
}
