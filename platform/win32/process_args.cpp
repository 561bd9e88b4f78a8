#include "platform/process_args.h"

#include <windows.h>

const char* rawCommandLine() {
    return GetCommandLineA();
}
