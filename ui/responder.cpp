#include "ui/responder.h"

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
