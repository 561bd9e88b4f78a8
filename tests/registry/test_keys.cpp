#include "test_keys.h"

#include <gtest/gtest.h>

#include <random>

#include "captured_diagnostics.h"
#include "platform/registry_key.h"

namespace {

void deleteInView(const std::string& path, bool view64) {
    bool previous = setRegistryView64(view64);
    RegistryKey key;
    if (key.openPath(path.c_str(), KeyOpening::existing) && key.isOpen()) key.deleteTree();
    setRegistryView64(previous);
}

}  // namespace

TestKey::TestKey(const std::string& parent) {
    static const unsigned run = std::random_device()();
    static int made = 0;
    std::string name = "InstallerTests-" + std::to_string(run) + "-" + std::to_string(++made);
    path = parent + "\\" + name;
    below = path.substr(path.find('\\') + 1);
}

TestKey::~TestKey() {
    CapturedDiagnostics quiet;
    deleteInView(path, false);
    deleteInView(path, true);
}

void writeTyped(const std::string& path, const char* name, const char* text) {
    RegistryKey key;
    key.allowWriting();
    key.openPath(path.c_str(), KeyOpening::create);
    ASSERT_TRUE(key.writeValue(name, text, IntegerNodes::asString)) << path << " " << name;
}

std::string readTyped(const std::string& path, const char* name) {
    RegistryKey key;
    key.openPath(path.c_str(), KeyOpening::existing);
    const char* value = key.readValue(name, KeyListing::reread, ValueForm::typed);
    return value ? value : "<none>";
}

bool keyExists(const std::string& path) {
    RegistryKey key;
    key.openPath(path.c_str(), KeyOpening::existing);
    return key.isOpen();
}
