// The script engine over the input as a package's install.ini, its "Installe" block run against
// the posix platform of this build: confined to the fuzz folder, starting no program. Prompts
// are answered "no" by the console responder.
#include <sys/stat.h>
#include <unistd.h>

#include "fuzz_folder.h"
#include "packages/package.h"
#include "platform/registry_key.h"
#include "script/script_engine.h"
#include "session/reset.h"

namespace {

// The in-process registry lives as long as the process: what one input wrote there goes.
void clearRegistry() {
    setRegistryView64(true);
    const char* roots[] = {"HKEY_CLASSES_ROOT", "HKEY_USERS", "HKEY_LOCAL_MACHINE",
                           "HKEY_CURRENT_USER", "HKEY_CURRENT_CONFIG"};
    for (const char* root : roots) {
        RegistryKey top;
        top.openPath(root, KeyOpening::existing);
        for (ParamCell* c = top.listSubkeys(KeyListing::reread); c; c = c->next) {
            RegistryKey key;
            key.allowWriting();
            key.openUnder(top, KeyOpening::existing, c->node->name());
            key.deleteTree();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& folder = fuzzFolder();
    removeAllBut({});
    std::string packageFolder = folder + "/package";
    mkdir(packageFolder.c_str(), 0755);
    writeFile("package/install.ini", data, size);
    if (chdir(folder.c_str()) != 0) finding("cannot enter " + folder);
    resetSession();
    {
        Package package(packageFolder.c_str(), nullptr);
        RunBlock(package, package.FindBlock("Installe"), nullptr, BlockProgress::tracked);
    }
    clearRegistry();
    resetSession();
    return 0;
}
