#include "platform/system_info.h"

namespace {

struct Identity {
    const char* name;
    int32_t id;
};

const Identity unknown = {"???", 0};
const Identity later = {"Windows", 2000};

Identity nineXIdentity(uint32_t minor) {
    switch (minor) {
        case 0: return {"Windows 95", 300};
        case 10: return {"Windows 98", 500};
        case 90: return {"Windows Me", 600};
        default:
            // Minor versions the family never shipped: named for the family,
            // with the identifier of its first member.
            return {"Windows 9x", 300};
    }
}

Identity ntIdentity(uint32_t major, uint32_t minor) {
    if (major <= 3) return {"Windows NT", 200};
    if (major == 4) return {"Windows NT", 400};
    if (major == 5) {
        static const Identity five[] = {
            {"Windows 2000", 700}, {"Windows XP", 800}, {"Windows 2003", 800}};
        return minor < 3 ? five[minor] : later;
    }
    if (major == 6 && minor == 0) return {"Windows Vista", 900};
    if (major == 6 && minor == 1) return {"Windows 7", 1000};
    return later;
}

Identity identity(const OsVersion& version) {
    switch (version.platform) {
        case 0: return {"Windows 32s", 100};
        case 1: return nineXIdentity(version.minor);
        case 2: return ntIdentity(version.major, version.minor);
        default: return unknown;
    }
}

}  // namespace

int32_t osIdOfVersion(const OsVersion& version, int32_t bits, TextBuffer* fullName) {
    Identity found = identity(version);
    if (fullName) {
        fullName->assign(found.name);
        fullName->append(" (");
        fullName->appendInt(static_cast<int32_t>(version.major));
        fullName->appendChar('.');
        fullName->appendInt(static_cast<int32_t>(version.minor));
        fullName->append(" with ");
        fullName->append(version.servicePack);
        fullName->append(") - ");
        fullName->appendInt(bits);
        fullName->append("bits");
    }
    return found.id;
}

int32_t OsIdentify(TextBuffer* fullName) {
    OsVersion version;
    if (!readOsVersion(version)) version.platform = ~0u;
    return osIdOfVersion(version, OsBits(), fullName);
}
