#include "ui/licence_text.h"

#include "params/file_bytes.h"

// The native builds read the same file that the installer carries, from the source tree.
void builtInLicence(TextBuffer& text) {
    text.clear();
    readFileBytes(LICENCE_FILE, text);
}
