#pragma once

// The case- and accent-insensitive fold used for keywords, library names and
// path identity: a-z to A-Z, the accented small vowels of Windows-1252 to
// their plain capital, every other byte unchanged.
char foldUpper(char c);

// Same length and equal folded bytes. Null reads as the empty text.
bool foldEquals(const char* a, const char* b);
