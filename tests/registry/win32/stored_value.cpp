#include <windows.h>

#include "../test_keys.h"

bool storedValue(int32_t root, const std::string& below, const std::string& name, bool view64,
                 uint32_t& type, std::string& bytes) {
    static const HKEY roots[] = {HKEY_CLASSES_ROOT, HKEY_USERS, HKEY_LOCAL_MACHINE,
                                 HKEY_CURRENT_USER, HKEY_CURRENT_CONFIG};
    HKEY key;
    REGSAM view = view64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
    if (RegOpenKeyExA(roots[root], below.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = 0, valueType = 0;
    bool found =
        RegQueryValueExA(key, name.c_str(), nullptr, &valueType, nullptr, &size) == ERROR_SUCCESS;
    bytes.assign(size, '\0');
    if (found && size)
        found = RegQueryValueExA(key, name.c_str(), nullptr, &valueType,
                                 reinterpret_cast<BYTE*>(&bytes[0]), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    type = valueType;
    return found;
}
