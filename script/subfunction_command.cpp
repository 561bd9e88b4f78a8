#include "script/subfunction_command.h"

#include "packages/package.h"
#include "script/script_engine.h"

namespace {

// Sub-functions may call each other, but a call chain that never ends would overflow the stack
// of the thread running the script; past this depth the call fails instead. One script runs at a
// time, so one counter serves.
const int maxCallDepth = 200;
int callDepth = 0;

}  // namespace

void callSubFunction(CommandRun& run, ParamNode& item) {
    const ParamNode* function = run.package.FindBlock("SSFct")->find(item.name());
    if (!function) {
        report(run, "Sous-fonction inconnue ", item.name());
        return;
    }
    if (callDepth >= maxCallDepth) {
        report(run, "Appels de sous-fonctions trop imbriqu\xE9s : ", item.name());
        return;
    }
    ++callDepth;
    RunBlock(run.package, function, item.children(), false);
    --callDepth;
}
