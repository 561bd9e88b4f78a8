#include "ui/licence_text.h"

#include <windows.h>

// The text is the resource "LICENCE" of the program (resources/licence.rtf), without a final zero.
void builtInLicence(TextBuffer& text) {
    text.clear();
    HRSRC found = FindResourceA(nullptr, "LICENCE", MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes) text.append(bytes, static_cast<int32_t>(SizeofResource(nullptr, found)));
}
