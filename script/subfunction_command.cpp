#include "script/subfunction_command.h"

#include "params/package.h"
#include "script/script_engine.h"

void callSubFunction(CommandRun& run, ParamNode& item) {
    const ParamNode* function = run.package.FindBlock("SSFct")->find(item.name());
    if (!function) {
        report(run, "Sous-fonction inconnue ", item.name());
        return;
    }
    RunBlock(run.package, function, item.children(), false);
}
