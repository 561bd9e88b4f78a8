#include "platform/system_dialogs.h"

// Native builds have no windows: nobody can pick, as if the dialog were
// cancelled. Tests answer through a scripted responder instead.
bool systemFileDialog(bool, const char*, const char*, const char*, int&, TextBuffer&) {
    return false;
}
