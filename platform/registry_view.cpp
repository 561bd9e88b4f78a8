#include "platform/registry_key.h"

namespace {

// The run's one record of the 64-bit choice: the wizard sets it as it lays out each page,
// REG_PROCBITS as scripts run; the page sequence keeps the interface thread and the worker apart.
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

void setRegistryViewBits(int32_t bits) {
    view64On = bits != 0 && bits != 32;
}
