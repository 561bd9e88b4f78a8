#include "session/stores.h"

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
