#pragma once

#include "params/text_buffer.h"

// The installer's own licence agreement (rich text, Windows-1252), as the program carries it;
// "${SOCIETE}" in it stands for the brand name. Empty when the program carries none.
void builtInLicence(TextBuffer& text);
