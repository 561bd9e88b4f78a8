#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "params/param_node.h"

struct Package;

// The "Traduction" blocks of install descriptions: one child per language code, each holding
// entries French text = translation. The installer reads the one its interface language names
// ("Traduction-en") or else the plain one, from every package.

// "Traduction" or a language's "Traduction-xx".
bool isTranslationBlock(const char* name);

// The texts each language's entries translate, over every package of the tree.
std::map<std::string, std::set<std::string>> translatedTexts(const Package& root);

// The bytes of the root install.ini with the ready tables of `languages` added to each of its
// translation blocks (a plain one is made when it has none): only the texts that no package of
// the product translates for that language, so that the product's own translations win.
std::string withReadyTranslations(const std::filesystem::path& installIni, const Package& root,
                                  const std::vector<std::string>& languages);

// The languages an install description translates into, in order, with their count of texts.
std::vector<std::pair<std::string, size_t>> carriedLanguages(const ParamNode& installTree);
