#include "platform/process_args.h"

// Native builds have no stub entry; tools pass their arguments explicitly.
const char* rawCommandLine() {
    return "";
}
