// The stub's process entry.
#include "app/command_line.h"
#include "app/entry.h"
#include "platform/process_args.h"

int main() {
    return runApplication(commandLineTail(rawCommandLine()));
}
