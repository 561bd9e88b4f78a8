#pragma once
// Registry keys of the tests' own and a look at stored values that goes
// around RegistryKey.
#include <cstdint>
#include <string>

// A key unique to this run under a root and branch ("HKEY_CURRENT_USER\Software"
// by default), deleted with everything below it, in both views, at the end.
struct TestKey {
    explicit TestKey(const std::string& parent = "HKEY_CURRENT_USER\\Software");
    ~TestKey();
    TestKey(const TestKey&) = delete;
    TestKey& operator=(const TestKey&) = delete;

    // The full path of a key below this one (empty: this one).
    std::string operator/(const std::string& below) const {
        return below.empty() ? path : path + "\\" + below;
    }

    std::string path;   // with the root name
    std::string below;  // without it
};

// The type and bytes of a value as the platform stores it, read without
// RegistryKey (on Windows with the registry functions themselves), in the
// 64-bit view or the program's own. root is a root index; below is the path
// under it. False when there is no such value.
bool storedValue(int32_t root, const std::string& below, const std::string& name, bool view64,
                 uint32_t& type, std::string& bytes);

// Writes one typed value, creating the key.
void writeTyped(const std::string& path, const char* name, const char* text);
// The typed text of a value, or "<none>".
std::string readTyped(const std::string& path, const char* name);
bool keyExists(const std::string& path);
