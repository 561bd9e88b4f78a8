#include "tools/mkinstaller/product_check.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

#include "packages/package.h"
#include "params/block_format.h"
#include "params/expansion.h"
#include "params/file_stream.h"
#include "params/text_buffer.h"
#include "tools/mkinstaller/ready_translations.h"
#include "tools/mkinstaller/script_check.h"
#include "tools/mkinstaller/source_map.h"
#include "tools/mkinstaller/translation_blocks.h"
#include "tools/mkinstaller/windows_names.h"

namespace fs = std::filesystem;

namespace {

// Variables the installer itself defines for scripts.
const char* const systemVariables[] = {
    "INSTALLE",
    "WIN_BUREAU",
    "WIN_DATAAPPLI",
    "WIN_MENUPRG",
    "WIN_MENUDEMARRER",
    "WIN_MENUDEMARRERAUTO",
    "WIN_FAVORI",
    "WIN_SENDTO",
    "WIN_FICHIERMODELE",
    "WIN_MESDOCUMENTS",
    "WIN_PROGRAMMES",
    "WIN_PROGRAMMES32",
    "WIN_PROGRAMMES64",
    "WIN_PROGRAMMESPRIVES",
    "OSBITS",
    "OSID",
    "OSNOM",
    "LANGUECR",
    "INSTALLEFIC",
    "INSTALLEID3",
    "INSTALLERAC",
    "USERREGBITS",
    "CLICUSR",
    "IHM_LSTNB",
    "EXVAL",
    "EXVALHT",
    "EXVALTYP",
};

// A top-level block's name without its language suffix ("Installe-en" is an "Installe").
std::string blockKind(const char* name) {
    const char* dash = std::strchr(name, '-');
    return dash ? std::string(name, dash) : std::string(name);
}

struct Reference {
    std::string name;
    SourcePlace place;
};

struct Translation {
    std::string key;
    SourcePlace place;
};

// A package's folder: the installer joins paths with "\", which every system here takes as "/".
fs::path folderOf(const Package& package) {
    TextBuffer folder(package.folder.text());
    folder.replaceByte('\\', '/');
    return systemPath(folder.text());
}

class ProductCheck {
public:
    explicit ProductCheck(const CheckOptions& options) : options_(options) {
        for (const std::string& library : options.libraries) {
            libraries_.insert(library);
            defined_.insert("lib_" + library.substr(0, library.find('-')));
        }
        for (const char* name : systemVariables) defined_.insert(name);
    }

    Findings run() {
        if (!fs::is_regular_file(options_.product / "install.ini")) {
            findings_.error({options_.product.generic_u8string(), 0},
                            "no install.ini in the product folder");
            return findings_;
        }
        readExtraVariables();
        QuietDiagnostics quiet;
        Package root(installerPath(options_.product).c_str(), nullptr);
        checkPackage(root, std::nullopt);
        checkReferences();
        checkTranslations();
        checkUntranslated(translatedTexts(root));
        return findings_;
    }

private:
    void readExtraVariables() {
        if (!options_.extraVariables) return;
        ParamNode extra;
        QuietDiagnostics quiet;
        readTreeFile(extra, installerPath(*options_.extraVariables).c_str());
        for (ParamCell* c = extra.children(); c; c = c->next)
            defined_.insert(textOf(c->node->name()));
    }

    // Reads a file once for its syntax; later reads only place nodes.
    void readFile(SourceMap& sources, const fs::path& path) {
        bool first = readPaths_.insert(path.lexically_normal().u8string()).second;
        Findings ignored;
        sources.readFile(path, first ? findings_ : ignored);
    }

    // The nearest install.inp with entries, from this package's folder up.
    static std::optional<fs::path> inheritedLayer(const fs::path& folder,
                                                  const std::optional<fs::path>& parentLayer) {
        ParamNode layer;
        fs::path own = folder / "install.inp";
        QuietDiagnostics quiet;
        readTreeFile(layer, installerPath(own).c_str());
        return layer.childCount() > 0 ? std::optional<fs::path>(own) : parentLayer;
    }

    void checkPackage(Package& package, const std::optional<fs::path>& parentLayer) {
        fs::path folder = folderOf(package);
        std::optional<fs::path> layer = inheritedLayer(folder, parentLayer);
        SourceMap sources;
        readFile(sources, folder / "install.ini");
        if (layer) readFile(sources, *layer);
        readFile(sources, folder / "install.ins");
        SourceMap variables;
        for (const char* name : {"var.ini", "var.inp", "var.ins"})
            readFile(variables, folder / name);
        sources.place(package.installTree);
        if (!package.parent) checkUninstallation(package, sources, variables);

        defined_.insert(package.id.text());
        for (ParamCell* c = package.varTree.children(); c; c = c->next)
            defined_.insert(textOf(c->node->name()));
        ScriptContext context{package, sources, libraries_, findings_, facts_};
        for (ParamCell* c = package.installTree.children(); c; c = c->next)
            checkBlock(*c->node, context);
        for (auto& sub : package.subPackages) checkPackage(*sub, layer);
    }

    // The uninstaller's entry among the installed programs is named by the root's "ID".
    void checkUninstallation(Package& root, const SourceMap& sources, SourceMap& variables) {
        const ParamNode* setting = root.varTree.find("Desinstallation");
        const char* id = textOf(root.FindBlock("Produit")->valueOf("ID", nullptr));
        if (!setting || std::strspn(id, " \t") != std::strlen(id)) return;
        const ParamNode* globals = root.installTree.find("Globale");
        const ParamNode* own = globals ? globals->find("Desinstallation") : nullptr;
        variables.place(root.varTree);
        findings_.error(own ? sources.placeOf(own) : variables.placeOf(setting),
                        "\"Desinstallation\" needs an \"ID\" in the root package's \"Produit\" "
                        "block: it names the product's entry among the installed programs");
    }

    void checkBlock(const ParamNode& block, ScriptContext& context) {
        const std::string kind = blockKind(textOf(block.name()));
        if (kind == "Installe") {
            checkScript(block, context);
        } else if (kind == "SSFct") {
            for (ParamCell* c = block.children(); c; c = c->next) checkScript(*c->node, context);
        } else if (kind == "Variable") {
            for (ParamCell* c = block.children(); c; c = c->next) {
                checkDeclaration(*c->node, context);
                checkScript(*c->node, context);
            }
        } else if (std::strcmp(textOf(block.name()), "Langue") == 0) {
            for (ParamCell* c = block.children(); c; c = c->next)
                checkRegistryPath(context, *c->node, textOf(c->node->name()));
        } else if (kind == "Traduction") {
            for (ParamCell* language = block.children(); language; language = language->next)
                for (ParamCell* c = language->node->children(); c; c = c->next)
                    translations_.push_back(
                        {textOf(c->node->name()), context.sources.placeOf(c->node)});
            return;
        } else if (kind == "Produit") {
            for (const char* question : {"MessEtat0", "MessEtat1"})
                if (const ParamNode* message = block.find(question))
                    noteShown(context, *message, textOf(message->value()));
        } else {
            if (!knownBlock(textOf(block.name())))
                findings_.breakingWarning(
                    context.sources.placeOf(&block),
                    "the installer reads no block named " + quoted(textOf(block.name())));
            return;
        }
        collectReferences(block, context.sources);
    }

    // Blocks the installer reads without a language suffix or only without one.
    // A "-" is already a syntax finding.
    static bool knownBlock(const char* name) {
        if (std::strcmp(name, "-") == 0) return true;
        const std::string kind = blockKind(name);
        for (const char* fixed : {"Globale", "Langue"})
            if (name == std::string(fixed)) return true;
        for (const char* localised :
             {"Produit", "Attente", "Installe", "SSFct", "Variable", "Traduction"})
            if (kind == localised) return true;
        return false;
    }

    // A declaration names a variable of the parameter page; its text's first character gives
    // the kind, and the label follows it.
    void checkDeclaration(const ParamNode& declaration, ScriptContext& context) {
        const char* name = textOf(declaration.name());
        const char* text = textOf(declaration.value());
        defined_.insert(name);
        const char* label = text;
        if (*text == '<') {
            const char* close = std::strchr(text, '>');
            if (!close) {
                findings_.error(context.sources.placeOf(&declaration),
                                "the choices of " + quoted(name) +
                                    " open with \"<\" but never close with \">\"");
                return;
            }
            label = close + 1;
        } else if (*text == '&' || *text == '*') {
            label = text + 1;
        }
        noteShown(context, declaration, label);
    }

    void collectReferences(const ParamNode& node, const SourceMap& sources) {
        struct Visit {
            ProductCheck* check;
            SourcePlace place;
        } visit{this, sources.placeOf(&node)};
        auto note = [](void* context, const char* name, bool call) {
            auto* v = static_cast<Visit*>(context);
            if (!call && *name && !(*name >= '0' && *name <= '9') && !std::strpbrk(name, "$?"))
                v->check->references_.push_back({name, v->place});
        };
        forEachReference(node.name(), note, &visit);
        forEachReference(node.value(), note, &visit);
        for (ParamCell* c = node.children(); c; c = c->next) collectReferences(*c->node, sources);
    }

    bool isDefined(const std::string& name) const {
        if (defined_.count(name) || facts_.assigned.count(name)) return true;
        for (const std::string& prefix : facts_.numbered) {
            if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
                name.find_first_not_of("0123456789", prefix.size()) == std::string::npos)
                return true;
        }
        return false;
    }

    void checkReferences() {
        for (const Reference& reference : references_) {
            const std::string name = reference.name.substr(0, reference.name.find('/'));
            if (isDefined(name)) continue;
            if (name.compare(0, 4, "lib_") == 0) {
                findings_.error(reference.place, "no --library gives the library of " +
                                                     quoted(reference.name.c_str()));
            } else {
                findings_.breakingWarning(
                    reference.place, "nothing defines the variable " + quoted(reference.name.c_str()));
            }
        }
    }

    // The stub's own texts are zero-terminated Windows-1252 strings inside it.
    bool stubShows(const std::string& stub, const std::string& key) const {
        return !key.empty() && stub.find(key + '\0') != std::string::npos;
    }

    void checkTranslations() {
        if (translations_.empty()) return;
        std::string stub;
        if (options_.stub) {
            std::ifstream in(*options_.stub, std::ios::binary);
            stub.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        if (stub.empty()) {
            findings_.warning({options_.product.generic_u8string(), 0},
                              "translations not checked: no stub to read the installer's texts "
                              "from (--stub FILE)");
            return;
        }
        for (const Translation& translation : translations_) {
            if (facts_.shown.count(translation.key) || stubShows(stub, translation.key)) continue;
            findings_.error(translation.place, "the translation of " +
                                                   quoted(translation.key.c_str()) +
                                                   " matches no text the product shows");
        }
    }

    // A text built at run time is not known here; a blank one shows nothing.
    static bool fixedText(const std::string& text) {
        return text.find('$') == std::string::npos &&
               text.find_first_not_of(" \t\r\n") != std::string::npos;
    }

    void checkUntranslated(const std::map<std::string, std::set<std::string>>& translated) {
        for (const std::string& language : options_.languages) {
            const auto own = translated.find(language);
            const ParamNode* ready = readyTable(language);
            for (const auto& [text, place] : facts_.shown) {
                if (!fixedText(text) || (own != translated.end() && own->second.count(text)) ||
                    ready->find(text.c_str()))
                    continue;
                findings_.warning(place, quoted(text.c_str()) + " is shown untranslated in " +
                                             language + " (no \"Traduction\" entry for it)");
            }
        }
    }

    const CheckOptions& options_;
    Findings findings_;
    ScriptFacts facts_;
    std::set<std::string> libraries_;
    std::set<std::string> defined_;
    std::set<std::string> readPaths_;
    std::vector<Reference> references_;
    std::vector<Translation> translations_;
};

}  // namespace

Findings checkProduct(const CheckOptions& options) {
    return ProductCheck(options).run();
}
