#include "script_fixture.h"

#include <algorithm>

#include "params/variable_store.h"
#include "script/script_engine.h"
#include "session/reset.h"
#include "session/stores.h"

namespace {

Entries entriesOf(const ParamNode& list) {
    Entries entries;
    for (ParamCell* c = list.children(); c; c = c->next) {
        entries.emplace_back(c->node->name(), c->node->value() ? c->node->value() : "");
    }
    return entries;
}

}  // namespace

ScriptTest::ScriptTest() {
    resetSession();
}

ScriptTest::~ScriptTest() {
    resetSession();
}

Package& ScriptTest::load(const std::string& installIni) {
    folder.write("install.ini", installIni);
    package = std::make_unique<Package>(folder.path.c_str(), nullptr);
    return *package;
}

void ScriptTest::run(const std::string& installIni) {
    Package& loaded = load(installIni);
    RunBlock(loaded, loaded.FindBlock("Installe"), nullptr, BlockProgress::tracked);
}

std::string ScriptTest::variable(const char* name) {
    const ParamNode* node = VariableStore().find(name);
    if (!node) return "<undefined>";
    return node->value() ? node->value() : "";
}

void ScriptTest::expectVariables(const ExpectedValues& expected) {
    expectValues([](const std::string& name) { return variable(name.c_str()); }, expected);
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
