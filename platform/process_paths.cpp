#include "platform/process_paths.h"

#include "platform/path_names.h"

TextBuffer ExeDirectory() {
    TextBuffer module = ModulePath();
    return module.empty() ? TextBuffer(".") : ParentPath(module.text());
}
