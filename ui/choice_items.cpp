#include "ui/choice_items.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "params/param_node.h"

namespace {

const char* orEmpty(const char* text) {
    return text ? text : "";
}

}  // namespace

std::vector<ChoiceItem> choiceItems(const ParamNode* items, int namesFirst) {
    std::vector<ChoiceItem> rows;
    for (ParamCell* c = items ? items->children() : nullptr; c; c = c->next) {
        const ParamNode* node = c->node;
        ChoiceItem row{TextBuffer(orEmpty(namesFirst ? node->name() : node->value())), node};
        row.display.append(" : ");
        row.display.append(orEmpty(namesFirst ? node->value() : node->name()));
        rows.push_back(std::move(row));
    }
    // Each item goes to the front of the list as it is built.
    std::reverse(rows.begin(), rows.end());
    return rows;
}

void foldFilter(const char* filter, TextBuffer& folded) {
    folded.assign(filter);
    folded.toUpper();
}

bool passesFilter(const char* display, const char* foldedFilter) {
    if (!*foldedFilter) return true;
    TextBuffer folded;
    foldFilter(display, folded);
    return std::strstr(folded.text(), foldedFilter) != nullptr;
}

const char* returnedText(const ParamNode& node, int namesFirst, int returnWhich) {
    if (returnWhich < 0) returnWhich = namesFirst;
    return orEmpty(returnWhich == 0 ? node.value() : node.name());
}
