#include "script_fixture.h"

#include <algorithm>

#include "app/session_stores.h"
#include "params/variable_store.h"
#include "script/run_state.h"
#include "script/script_engine.h"

namespace {

void resetRun() {
    clearVariables();
    ErrorList().setChildren(nullptr, false);
    StopFlag().store(false);
    CopiedBytes().store(0);
    RunningPackage().store(nullptr);
}

Entries entriesOf(const ParamNode& list) {
    Entries entries;
    for (ParamCell* c = list.children(); c; c = c->next) {
        entries.emplace_back(c->node->name(), c->node->value() ? c->node->value() : "");
    }
    return entries;
}

}  // namespace

ScriptTest::ScriptTest() {
    resetRun();
}

ScriptTest::~ScriptTest() {
    resetRun();
}

Package& ScriptTest::load(const std::string& installIni) {
    folder.write("install.ini", installIni);
    package = std::make_unique<Package>(folder.path.c_str(), nullptr);
    return *package;
}

void ScriptTest::run(const std::string& installIni) {
    Package& loaded = load(installIni);
    RunBlock(loaded, loaded.FindBlock("Installe"), nullptr, true);
}

std::string ScriptTest::variable(const char* name) {
    const ParamNode* node = VariableStore().find(name);
    if (!node) return "<undefined>";
    return node->value() ? node->value() : "";
}

Entries ScriptTest::errors() {
    return entriesOf(ErrorList());
}

Entries ScriptTest::reports() {
    Entries entries = errors();
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const auto& entry) { return entry.first == "Windows"; }),
                  entries.end());
    return entries;
}

Entries ScriptTest::asked() const {
    return entriesOf(answers.asked);
}
