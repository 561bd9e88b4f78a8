#pragma once

#include <cstdint>
#include <vector>

// The platform's registry calls under RegistryKey: thin wrappers of the
// Win32 registry functions on Windows, an in-process registry elsewhere.
// Results are Win32 error numbers (0 on success) so that both sides report
// alike.

using RegHandle = void*;

enum : int32_t {
    regSuccess = 0,
    regMoreData = 234,
    regNoMoreItems = 259,
};

// Registry value types that the value texts name.
enum : uint32_t {
    regString = 1,
    regExpandString = 2,
    regBinary = 3,
    regDword = 4,
};

// The roots a key path may start with, by index.
enum : int32_t {
    rootClasses = 0,
    rootUsers = 1,
    rootLocalMachine = 2,
    rootCurrentUser = 3,
    rootCurrentConfig = 4,
    rootCount = 5,
};

struct RegKeyInfo {
    uint32_t subkeyCount = 0;
    uint32_t maxSubkeyName = 0;  // characters, without the terminator
    uint32_t valueCount = 0;
    uint32_t maxValueName = 0;  // characters, without the terminator
    uint32_t maxValueData = 0;  // bytes
};

// Whether opening a key that is missing fails or creates it (and the missing keys above it).
enum class KeyOpening { existing, create };
// What an open key allows: reading only, or writing too.
enum class KeyAccess { read, write };

// The predefined handle of a root; never closed.
RegHandle regRootHandle(int32_t rootIndex);

// Opens path below root ("" names root itself); view64 asks for the 64-bit view of a 32-bit
// program on a 64-bit system.
int32_t regOpenKey(RegHandle root, const char* path, KeyOpening opening, KeyAccess access,
                   bool view64, RegHandle& key);
void regCloseKey(RegHandle key);
int32_t regQueryInfo(RegHandle key, RegKeyInfo& info);

// The value at index: name into a buffer of nameRoom bytes (terminator
// included) and data into dataRoom bytes. On success nameLength holds the
// name's length and dataLength the data's size.
int32_t regEnumValue(RegHandle key, uint32_t index, char* name, uint32_t nameRoom,
                     uint32_t& nameLength, uint32_t& type, uint8_t* data, uint32_t dataRoom,
                     uint32_t& dataLength);
// The subkey name at index, as above.
int32_t regEnumKey(RegHandle key, uint32_t index, char* name, uint32_t nameRoom,
                   uint32_t& nameLength);
// One value's type and data, whatever its size.
int32_t regQueryValue(RegHandle key, const char* name, uint32_t& type, std::vector<uint8_t>& data);
int32_t regSetValue(RegHandle key, const char* name, uint32_t type, const uint8_t* data,
                    uint32_t size);
int32_t regDeleteValue(RegHandle key, const char* name);
// Deletes the key at path below root, which must have no subkeys, in the
// view given.
int32_t regDeleteKey(RegHandle root, const char* path, bool view64);
