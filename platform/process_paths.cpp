#include "platform/process_paths.h"

#include "platform/path_names.h"

namespace {

// Read during static initialisation, before the program's own code runs.
const TextBuffer startDirectory = CurrentFolder();

}  // namespace

TextBuffer ExeDirectory() {
    TextBuffer module = ModulePath();
    return module.empty() ? TextBuffer(".") : ParentPath(module.text());
}

const TextBuffer& StartDirectory() {
    return startDirectory;
}
