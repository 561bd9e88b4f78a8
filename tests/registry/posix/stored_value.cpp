#include <vector>

#include "../test_keys.h"
#include "platform/registry_calls.h"

// Natively the in-process registry is the store itself.
bool storedValue(int32_t root, const std::string& below, const std::string& name, bool view64,
                 uint32_t& type, std::string& bytes) {
    RegHandle key;
    if (regOpenKey(regRootHandle(root), below.c_str(), KeyOpening::existing, KeyAccess::read,
                   view64, key) != regSuccess)
        return false;
    std::vector<uint8_t> data;
    bool found = regQueryValue(key, name.c_str(), type, data) == regSuccess;
    regCloseKey(key);
    bytes.assign(data.begin(), data.end());
    return found;
}
