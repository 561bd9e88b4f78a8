#include "ui/choice_items.h"

#include <cstring>

#include "params/param_node.h"
#include "params/text_buffer.h"

namespace {

const char* orEmpty(const char* text) {
    return text ? text : "";
}

}  // namespace

void displayText(const ParamNode& node, int namesFirst, TextBuffer& text) {
    text.assign(orEmpty(namesFirst ? node.name() : node.value()));
    text.append(" : ");
    text.append(orEmpty(namesFirst ? node.value() : node.name()));
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
