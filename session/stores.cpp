#include "session/stores.h"

#define PROCESS_STORE(Type, Name) \
    Type& Name() {                \
        static Type store;        \
        return store;             \
    }

PROCESS_STORE(Container, ProgramContainer)
PROCESS_STORE(RunFolder, WorkFolder)
PROCESS_STORE(TextBuffer, InstallFolder)
PROCESS_STORE(TextBuffer, DialogFolder)
PROCESS_STORE(void*, MainWindow)
PROCESS_STORE(ParamNode, ExtraVariables)
PROCESS_STORE(ParamNode, ErrorList)
PROCESS_STORE(ParamNode, OpenList)
PROCESS_STORE(ParamNode, SlideShowList)

void addError(const char* keyword, const char* message) {
    ErrorList().prepend(new ParamNode(keyword, message));
}
