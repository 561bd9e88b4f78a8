#include "ui/licence_text.h"

#include <cstdio>

// The native builds read the same file that the installer carries, from the source tree.
void builtInLicence(TextBuffer& text) {
    text.clear();
    FILE* file = std::fopen(LICENCE_FILE, "rb");
    if (!file) return;
    char bytes[512];
    for (size_t n; (n = std::fread(bytes, 1, sizeof bytes, file)) > 0;) {
        text.append(bytes, static_cast<int32_t>(n));
    }
    std::fclose(file);
}
