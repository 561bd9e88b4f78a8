#include "session/translation.h"

TextBuffer& Language() {
    static TextBuffer language;
    return language;
}

ParamNode& Translations() {
    static ParamNode tables;
    return tables;
}

const char* translate(const char* text) {
    if (!hasVisibleByte(Language().text())) return text;
    ParamNode* table = Translations().find(Language().text());
    ParamNode* entry = table ? table->find(text) : nullptr;
    return entry && entry->value() ? entry->value() : text;
}

TextBuffer languageFromProgramName(const char* programPath) {
    TextBuffer path(programPath);
    TextBuffer language;
    if (path.charAt(-7) == '-') {
        language.appendChar(path.charAt(-6));
        language.appendChar(path.charAt(-5));
    } else {
        language.assign("fr");
    }
    return language;
}
