#include "script/subfunction_command.h"

#include "packages/package.h"
#include "script/run_limits.h"
#include "script/script_engine.h"

void callSubFunction(CommandRun& run, ParamNode& item) {
    const ParamNode* function = run.package.FindBlock("SSFct")->find(item.name());
    if (!function) {
        report(run, "Sous-fonction inconnue ", item.name());
        return;
    }
    if (!takeSubFunctionCall()) {
        reportLimit(run, "Trop d'appels de sous-fonctions : ", item.name());
        return;
    }
    if (!RunBlock(run.package, function, item.children(), BlockProgress::untracked))
        reportLimit(run, "Appels de sous-fonctions trop imbriqu\xE9s : ", item.name());
}
