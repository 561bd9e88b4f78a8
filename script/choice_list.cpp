#include "script/choice_list.h"

void addChoice(ParamNode& choices, const char* name, const char* value) {
    ParamNode* pair = choices.findOrCreate(name, true);
    pair->setText(value ? value : "");
}
