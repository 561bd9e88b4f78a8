#include "params/variable_store.h"

ParamNode& VariableStore() {
    static ParamNode store;
    return store;
}

ParamNode* defineVariable(const char* name) {
    return VariableStore().findOrCreate(name);
}

ParamNode* setVariable(const char* name, const char* text) {
    ParamNode* variable = defineVariable(name);
    variable->setText(text);
    return variable;
}

ParamNode* setVariableInteger(const char* name, int32_t n) {
    ParamNode* variable = defineVariable(name);
    variable->setInteger(n);
    return variable;
}

bool isDefined(const char* name) {
    return VariableStore().find(name) != nullptr;
}

bool removeVariable(const char* name) {
    return VariableStore().removeChild(name);
}

void clearVariables() {
    VariableStore().setChildren(nullptr, TakeList::adopt);
}

void importVariables(ParamNodeList list) {
    VariableStore().mergeValues(list);
}
