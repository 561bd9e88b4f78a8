#include "script/choice_list.h"

void addChoice(ParamNode& choices, const char* name, const char* value) {
    ParamNode* pair = choices.findOrCreate(name, NewChild::atEnd);
    pair->setText(value ? value : "");
}
