#include "app/translation.h"

#include "app/install_session.h"
#include "params/package.h"

namespace {

// Empty, or made only of bytes up to the blank.
bool isBlank(const TextBuffer& text) {
    for (const char* p = text.text(); *p; ++p)
        if (static_cast<unsigned char>(*p) > 32) return false;
    return true;
}

}  // namespace

const char* translate(const char* text) {
    InstallSession* session = currentSession();
    if (!session || isBlank(session->Language)) return text;
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
