#include "params/block_format.h"

namespace {

// Process-wide: only the registry export and import turn it on, for the
// duration of one write or read.
bool typedNumbersOn = false;

}  // namespace

bool setTypedNumbers(bool on) {
    bool previous = typedNumbersOn;
    typedNumbersOn = on;
    return previous;
}

bool typedNumbers() {
    return typedNumbersOn;
}
