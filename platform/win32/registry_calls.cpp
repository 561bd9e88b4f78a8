#include "platform/registry_calls.h"

#include <windows.h>

namespace {

HKEY hkey(RegHandle handle) {
    return static_cast<HKEY>(handle);
}

REGSAM accessMask(KeyAccess access, bool view64) {
    REGSAM mask = access == KeyAccess::write ? KEY_READ | KEY_WRITE : KEY_READ;
    return view64 ? mask | KEY_WOW64_64KEY : mask;
}

using DeleteKeyEx = LONG(WINAPI*)(HKEY, LPCSTR, REGSAM, DWORD);

}  // namespace

RegHandle regRootHandle(int32_t rootIndex) {
    static const HKEY roots[rootCount] = {HKEY_CLASSES_ROOT, HKEY_USERS, HKEY_LOCAL_MACHINE,
                                          HKEY_CURRENT_USER, HKEY_CURRENT_CONFIG};
    return roots[rootIndex];
}

int32_t regOpenKey(RegHandle root, const char* path, KeyOpening opening, KeyAccess access,
                   bool view64, RegHandle& key) {
    HKEY opened = nullptr;
    REGSAM mask = accessMask(access, view64);
    LONG status = opening == KeyOpening::create ? RegCreateKeyExA(hkey(root), path, 0, nullptr, 0,
                                                                  mask, nullptr, &opened, nullptr)
                                                : RegOpenKeyExA(hkey(root), path, 0, mask, &opened);
    key = opened;
    return status;
}

void regCloseKey(RegHandle key) {
    RegCloseKey(hkey(key));
}

int32_t regQueryInfo(RegHandle key, RegKeyInfo& info) {
    DWORD subkeys, maxSubkey, values, maxName, maxData;
    LONG status = RegQueryInfoKeyA(hkey(key), nullptr, nullptr, nullptr, &subkeys, &maxSubkey,
                                   nullptr, &values, &maxName, &maxData, nullptr, nullptr);
    if (status == ERROR_SUCCESS) info = {subkeys, maxSubkey, values, maxName, maxData};
    return status;
}

int32_t regEnumValue(RegHandle key, uint32_t index, char* name, uint32_t nameRoom,
                     uint32_t& nameLength, uint32_t& type, uint8_t* data, uint32_t dataRoom,
                     uint32_t& dataLength) {
    DWORD nameSize = nameRoom, dataSize = dataRoom, valueType = 0;
    LONG status =
        RegEnumValueA(hkey(key), index, name, &nameSize, nullptr, &valueType, data, &dataSize);
    nameLength = nameSize;
    dataLength = dataSize;
    type = valueType;
    return status;
}

int32_t regEnumKey(RegHandle key, uint32_t index, char* name, uint32_t nameRoom,
                   uint32_t& nameLength) {
    DWORD nameSize = nameRoom;
    LONG status =
        RegEnumKeyExA(hkey(key), index, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
    nameLength = nameSize;
    return status;
}

int32_t regQueryValue(RegHandle key, const char* name, uint32_t& type, std::vector<uint8_t>& data) {
    // The size asked first may grow before the read; ask again then.
    for (;;) {
        DWORD size = 0, valueType = 0;
        LONG status = RegQueryValueExA(hkey(key), name, nullptr, &valueType, nullptr, &size);
        if (status != ERROR_SUCCESS) return status;
        data.resize(size);
        status = RegQueryValueExA(hkey(key), name, nullptr, &valueType, data.data(), &size);
        if (status == ERROR_MORE_DATA) continue;
        data.resize(size);
        type = valueType;
        return status;
    }
}

int32_t regSetValue(RegHandle key, const char* name, uint32_t type, const uint8_t* data,
                    uint32_t size) {
    return RegSetValueExA(hkey(key), name, 0, type, data, size);
}

int32_t regDeleteValue(RegHandle key, const char* name) {
    return RegDeleteValueA(hkey(key), name);
}

int32_t regDeleteKey(RegHandle root, const char* path, bool view64) {
    // RegDeleteKeyA always works in the program's own view; the other view
    // needs RegDeleteKeyExA, which systems without a 64-bit view lack.
    if (view64) {
        auto deleteEx = reinterpret_cast<DeleteKeyEx>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("advapi32"), "RegDeleteKeyExA")));
        if (deleteEx) return deleteEx(hkey(root), path, KEY_WOW64_64KEY, 0);
    }
    return RegDeleteKeyA(hkey(root), path);
}
