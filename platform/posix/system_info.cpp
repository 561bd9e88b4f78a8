#include "platform/posix/fixed_system_info.h"

namespace {

struct FixedSystem {
    OsVersion version;
    int32_t bits;
};

FixedSystem& fixedSystem() {
    static FixedSystem system = {{2, 6, 1, 7601, TextBuffer("Service Pack 1")}, 64};
    return system;
}

}  // namespace

void setFixedSystemInfo(const OsVersion& version, int32_t bits) {
    fixedSystem().version = version;
    fixedSystem().bits = bits;
}

int32_t OsBits() {
    return fixedSystem().bits;
}

bool readOsVersion(OsVersion& version) {
    version = fixedSystem().version;
    return true;
}
