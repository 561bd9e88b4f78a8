#include "tools/mkinstaller/translation_blocks.h"

#include <cstring>

#include "packages/package.h"
#include "params/block_format.h"
#include "tools/mkinstaller/ready_translations.h"
#include "tools/mkinstaller/source_map.h"
#include "tools/mkinstaller/windows_names.h"

namespace {

const char blockName[] = "Traduction";

// Calls visit(language, French text) for every entry of the tree's translation blocks.
template <class Visit>
void forEachTranslation(const ParamNode& installTree, Visit visit) {
    for (ParamCell* block = installTree.children(); block; block = block->next) {
        if (!isTranslationBlock(block->node->name())) continue;
        for (ParamCell* language = block->node->children(); language; language = language->next)
            for (ParamCell* entry = language->node->children(); entry; entry = entry->next)
                visit(std::string(textOf(language->node->name())), textOf(entry->node->name()));
    }
}

void collectTexts(const Package& package, std::map<std::string, std::set<std::string>>& texts) {
    forEachTranslation(package.installTree, [&](const std::string& language, const char* text) {
        texts[language].insert(text);
    });
    for (const auto& sub : package.subPackages) collectTexts(*sub, texts);
}

ParamNode& childAtEnd(ParamNode& parent, const char* name) {
    if (ParamNode* found = parent.find(name)) return *found;
    auto* child = new ParamNode(name, "");
    parent.append(child);
    return *child;
}

}  // namespace

bool isTranslationBlock(const char* name) {
    const size_t length = sizeof blockName - 1;
    return name && std::strncmp(name, blockName, length) == 0 &&
           (name[length] == 0 || name[length] == '-');
}

std::map<std::string, std::set<std::string>> translatedTexts(const Package& root) {
    std::map<std::string, std::set<std::string>> texts;
    collectTexts(root, texts);
    return texts;
}

std::string withReadyTranslations(const std::filesystem::path& installIni, const Package& root,
                                  const std::vector<std::string>& languages) {
    ParamNode tree;
    {
        QuietDiagnostics quiet;
        readTreeFile(tree, installerPath(installIni).c_str());
    }
    childAtEnd(tree, blockName);
    const auto own = translatedTexts(root);
    for (ParamCell* block = tree.children(); block; block = block->next) {
        if (!isTranslationBlock(block->node->name())) continue;
        for (const std::string& language : languages) {
            ParamNode& table = childAtEnd(*block->node, language.c_str());
            const auto translated = own.find(language);
            for (ParamCell* c = readyTable(language)->children(); c; c = c->next) {
                const char* text = c->node->name();
                if (translated != own.end() && translated->second.count(text)) continue;
                table.append(new ParamNode(text, c->node->value()));
            }
        }
    }
    TextOutStream out;
    for (ParamCell* c = tree.children(); c; c = c->next) writeEntry(*c->node, out);
    return std::string(out.buffer().text(), out.buffer().length());
}

std::vector<std::pair<std::string, size_t>> carriedLanguages(const ParamNode& installTree) {
    std::vector<std::string> order;
    std::map<std::string, std::set<std::string>> texts;
    forEachTranslation(installTree, [&](const std::string& language, const char* text) {
        if (!texts.count(language)) order.push_back(language);
        texts[language].insert(text);
    });
    std::vector<std::pair<std::string, size_t>> languages;
    for (const std::string& language : order) languages.push_back({language, texts[language].size()});
    return languages;
}
