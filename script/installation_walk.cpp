#include "script/installation_walk.h"

#include "packages/package.h"
#include "script/script_engine.h"
#include "session/run_state.h"

namespace {

void installPackage(Package& package) {
    if (package.state == 0 || stopRequested()) return;
    RunningPackage().store(&package);
    RunBlock(package, package.FindBlock("Installe"), nullptr, BlockProgress::tracked);
    for (const auto& sub : package.subPackages) installPackage(*sub);
}

}  // namespace

void runInstallation(Package& root) {
    installPackage(root);
    RunningPackage().store(nullptr);
}
