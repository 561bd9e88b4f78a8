#pragma once

class ParamNode;
class TextBuffer;

// How the single-choice list shows a (name, value) node: name " : " value with namesFirst,
// value " : " name without. Rows are sorted by this text, so equal texts return equal results
// whichever node stands behind them.
void displayText(const ParamNode& node, int namesFirst, TextBuffer& text);

// The filter as rows are compared with it: folded with FoldUpper (small letters and the small
// accented vowels to plain capitals; capital accented letters stay as they are).
void foldFilter(const char* filter, TextBuffer& folded);

// Whether a row stays in the list: an empty folded filter keeps every row, otherwise it must
// occur in the row's folded display text.
bool passesFilter(const char* display, const char* foldedFilter);

// The text an accepted row returns: a negative returnWhich follows namesFirst; then 0 returns the
// node's value and any other number its name.
const char* returnedText(const ParamNode& node, int namesFirst, int returnWhich);
