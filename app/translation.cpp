#include "app/translation.h"

#include "app/install_session.h"
#include "params/package.h"

const char* translate(const char* text) {
    InstallSession* session = currentSession();
    if (!session || !hasVisibleByte(session->Language.text())) return text;
    ParamNode* table = session->Translations.find(session->Language.text());
    ParamNode* entry = table ? table->find(text) : nullptr;
    return entry && entry->value() ? entry->value() : text;
}

const char* sessionLanguage() {
    InstallSession* session = currentSession();
    return session ? session->Language.text() : "";
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

void mergeTranslations(ParamNode& translations, Package& package) {
    for (auto& sub : package.subPackages) mergeTranslations(translations, *sub);
    ParamNode* block = package.FindBlock("Traduction");
    for (ParamCell* language = block->children(); language; language = language->next) {
        ParamNode* table = translations.findOrCreate(language->node->name());
        for (ParamCell* entry = language->node->children(); entry; entry = entry->next) {
            table->findOrCreate(entry->node->name())->setText(entry->node->value());
        }
    }
}
