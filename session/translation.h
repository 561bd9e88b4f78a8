#pragma once

#include "params/param_node.h"
#include "params/text_buffer.h"

// The interface language of the run and its translation tables. Start-up sets the language
// (from the program's name, then the package tree) and fills the tables; until then the
// language is blank and nothing is translated.

// Interface language code ("fr", "en", ...); blank means no translation.
TextBuffer& Language();
// One child per language code, holding entries French text = translation.
ParamNode& Translations();

// The text to show for a French text: its entry in the table of the interface language, or the
// text itself when the language is blank or the table has no entry named exactly so.
const char* translate(const char* text);

// The first choice of language from the program's path: the two letters of
// a name ending in "-xx.ext" (setup-en.exe gives "en"), otherwise "fr".
TextBuffer languageFromProgramName(const char* programPath);
