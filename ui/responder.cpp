#include "ui/responder.h"

#include "platform/system_dialogs.h"
#include "ui/system_responder.h"

namespace {
Responder* installed = nullptr;
}

Responder& responder() {
    return installed ? *installed : systemResponder();
}

Responder* setResponder(Responder* r) {
    Responder* previous = installed;
    installed = r;
    return previous;
}

bool Responder::chooseFile(bool save, const char* filter, const char* defaultName,
                           const char* defaultExtension, int& filterIndex, TextBuffer& path) {
    return systemFileDialog(save, filter, defaultName, defaultExtension, filterIndex, path);
}
