#include "platform/registry_key.h"

namespace {

// Set by the wizard and REG_PROCBITS on the interface thread, read by the
// worker afterwards: the page sequence keeps them apart.
bool view64On = false;

}  // namespace

bool setRegistryView64(bool on) {
    bool previous = view64On;
    view64On = on;
    return previous;
}

bool registryView64() {
    return view64On;
}
