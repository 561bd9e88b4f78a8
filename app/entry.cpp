#include "app/entry.h"

#include "app/command_line.h"
#include "app/install_session.h"
#include "payload/container_format.h"
#include "ui/interface_startup.h"

int exitCodeOverride = 0;

int runApplication(const char* commandTail) {
    initInterfaceLibraries();
    CommandLineChoice choice = readCommandLine(commandTail);
    if (choice.sizeQuery) {
        exitCodeOverride = stubSize;
    } else {
        InstallSession session(choice.mode, nullptr);
        if (session.startupStatus == 0) runWizard(session);
        releaseInterfaceResources();
    }
    return exitCodeOverride;
}
