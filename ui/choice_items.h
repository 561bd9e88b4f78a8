#pragma once

#include <vector>

#include "params/text_buffer.h"

class ParamNode;

// One row the single-choice list can show: its display text and the (name, value) node it stands
// for.
struct ChoiceItem {
    TextBuffer display;
    const ParamNode* node;
};

// The rows for the children of `items` (null: none), in the order the list is filled: the last
// child first. The display text is name " : " value with namesFirst, value " : " name without.
std::vector<ChoiceItem> choiceItems(const ParamNode* items, int namesFirst);

// The filter as rows are compared with it: folded with FoldUpper (small letters and the small
// accented vowels to plain capitals; capital accented letters stay as they are).
void foldFilter(const char* filter, TextBuffer& folded);

// Whether a row stays in the list: an empty folded filter keeps every row, otherwise it must
// occur in the row's folded display text.
bool passesFilter(const char* display, const char* foldedFilter);

// The text an accepted row returns: a negative returnWhich follows namesFirst; then 0 returns the
// node's value and any other number its name.
const char* returnedText(const ParamNode& node, int namesFirst, int returnWhich);
