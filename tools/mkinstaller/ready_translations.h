#pragma once

#include <string>
#include <vector>

#include "params/param_node.h"

// The translations of the installer's own texts that the packer carries, one table per language:
// entries named by the French text the installer passes to its translation, valued by the text
// to show instead (Windows-1252).

// A table as its file holds it (translations/LANGUAGE.txt, block text).
struct ReadyTableText {
    const char* language;
    const char* text;
};
extern const ReadyTableText readyTableTexts[];
extern const int readyTableCount;

// The languages of the ready tables, in the order of their files.
std::vector<std::string> readyLanguages();

// The ready table of a language, read once; null for a language the packer has none of.
const ParamNode* readyTable(const std::string& language);

// The languages of a --languages value ("en,de"): each must have a ready table and come once;
// a UsageError names the first that does not.
std::vector<std::string> languagesOption(const std::string& value);
