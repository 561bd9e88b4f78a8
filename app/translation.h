#pragma once

#include "params/text_buffer.h"

// The text to show for a French text: its entry in the table of the live
// session's language, or the text itself when there is no session, the
// language is blank or the table has no entry named exactly so.
const char* translate(const char* text);

// The live session's interface language code (as in "Installe-en"); the
// empty text while no session exists.
const char* sessionLanguage();

// The first choice of language from the program's path: the two letters of
// a name ending in "-xx.ext" (setup-en.exe gives "en"), otherwise "fr".
TextBuffer languageFromProgramName(const char* programPath);

struct Package;
class ParamNode;

// Adds the "Traduction" blocks of a package tree to the translation tables (one child per
// language code, entries French text = translation). Sub-packages go first and each package
// after them, so where several translate one text the root's translation wins.
void mergeTranslations(ParamNode& translations, Package& package);
