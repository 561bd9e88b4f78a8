#include "tools/mkinstaller/script_check.h"

#include <cstring>

#include "packages/package.h"
#include "params/fold_upper.h"
#include "platform/registry_key.h"
#include "script/command_syntax.h"
#include "script/command_table.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Texts that hold a reference take their final form only at run time.
bool builtAtRunTime(const char* text) {
    return std::strchr(text, '$') != nullptr;
}

void fail(ScriptContext& context, const ParamNode& node, const std::string& message) {
    context.findings.error(context.sources.placeOf(&node), message);
}

// The keyword of a command name: without its depth digit and its "-".
const char* keywordOf(const char* name) {
    if (isDigit(*name)) ++name;
    if (*name == '-') ++name;
    return name;
}

// "Racine" names the root; a blank one leaves it to the first component of "Branche".
void checkRootKey(ScriptContext& context, const ParamNode& command, const ParamNode& root) {
    const char* text = textOf(root.value());
    if (hasVisibleByte(text)) {
        checkRegistryPath(context, root, text);
    } else if (const ParamNode* branch = command.find("Branche")) {
        checkRegistryPath(context, *branch, textOf(branch->value()));
    }
}

void noteKeyUse(ScriptContext& context, const ParamNode& key, KeyUse use) {
    const char* value = textOf(key.value());
    switch (use) {
        case KeyUse::branch:
            if (key.children()) {
                checkScript(key, context);
            } else if (hasVisibleByte(value)) {
                context.facts.assigned.insert(value);
            }
            break;
        case KeyUse::script: checkScript(key, context); break;
        case KeyUse::assigns:
        case KeyUse::assignsIfGiven: context.facts.assigned.insert(value); break;
        case KeyUse::numbers: context.facts.numbered.push_back(value); break;
        default: break;
    }
}

void checkKeyed(ScriptContext& context, const ParamNode& command, const CommandSyntax& syntax) {
    for (ParamCell* c = command.children(); c; c = c->next) {
        const ParamNode& key = *c->node;
        const char* name = textOf(key.name());
        const CommandKey* known = findCommandKey(syntax, name);
        if (!known) {
            if (!builtAtRunTime(name))
                fail(context, key, std::string(syntax.keyword) + " does not read " + quoted(name));
            continue;
        }
        noteKeyUse(context, key, known->use);
        if (std::strcmp(name, "Racine") == 0) checkRootKey(context, command, key);
        if (std::strcmp(name, "Titre") == 0 || std::strcmp(name, "Message") == 0)
            noteShown(context, key, textOf(key.value()));
    }
    for (int i = 0; i < syntax.keyCount; ++i) {
        const CommandKey& key = syntax.keys[i];
        if ((key.use == KeyUse::required || key.use == KeyUse::assigns) && !command.find(key.name))
            fail(context, command, std::string(syntax.keyword) + " needs " + quoted(key.name));
    }
}

bool subFunctionExists(const Package& package, const char* name) {
    for (ParamCell* c = package.installTree.children(); c; c = c->next) {
        const char* block = textOf(c->node->name());
        bool functions = std::strncmp(block, "SSFct", 5) == 0 && (!block[5] || block[5] == '-');
        if (functions && c->node->find(name)) return true;
    }
    return false;
}

// A CPLIB item without a path names a library of the installer.
void checkLibrary(ScriptContext& context, const ParamNode& item) {
    const char* name = textOf(item.name());
    if (builtAtRunTime(name) || std::strpbrk(name, "\\/:\xA4")) return;
    if (!context.libraries.count(name))
        fail(context, item,
             "CPLIB names the library " + quoted(name) + ", which no --library gives");
}

// What one item of a per-item command sets, shows or names.
void checkItem(ScriptContext& context, const ParamNode& item, const char* keyword) {
    const char* name = textOf(item.name());
    const char* value = textOf(item.value());
    if (std::strcmp(keyword, "SSFCT") == 0) {
        if (!builtAtRunTime(name) && !subFunctionExists(context.package, name))
            fail(context, item, "SSFCT calls " + quoted(name) + ", which no \"SSFct\" block holds");
    } else if (std::strcmp(keyword, "AFFECTE") == 0 || std::strcmp(keyword, "TRADUIT") == 0) {
        context.facts.assigned.insert(name);
        if (keyword[0] == 'T') noteShown(context, item, value);
    } else if (std::strcmp(keyword, "INFORMATION") == 0) {
        noteShown(context, item, name);
        noteShown(context, item, value);
    } else if (std::strcmp(keyword, "CPLIB") == 0) {
        checkLibrary(context, item);
    } else if (std::strcmp(keyword, "REG_CLONE") == 0) {
        checkRegistryPath(context, item, name);
        checkRegistryPath(context, item, value);
    }
}

void checkItems(ScriptContext& context, const ParamNode& command, const CommandSyntax& syntax) {
    for (ParamCell* c = command.children(); c; c = c->next) {
        const ParamNode& item = *c->node;
        checkItem(context, item, syntax.keyword);
        if (syntax.anyItemChildren) continue;
        for (ParamCell* k = item.children(); k; k = k->next) {
            const char* name = textOf(k->node->name());
            if (!findCommandKey(syntax, name) && !builtAtRunTime(name))
                fail(context, *k->node,
                     std::string(syntax.keyword) + " does not read " + quoted(name) +
                         " under its items");
        }
    }
}

void checkCommand(ScriptContext& context, const ParamNode& command) {
    const char* name = textOf(command.name());
    // A "-" entry is already a syntax finding.
    if (builtAtRunTime(name) || std::strcmp(name, "-") == 0) return;
    const char* keyword = keywordOf(name);
    const CommandSyntax* syntax = findCommandSyntax(keyword);
    if (!syntax || !(findKeyedCommand(keyword) || findItemCommand(keyword))) {
        std::string message = "unknown command " + quoted(name);
        if (isDigit(*name) && !name[1])
            message +=
                " (a command name that begins with a digit must stand in quotes, as in "
                "\"2AFFECTE\")";
        fail(context, command, message);
        return;
    }
    if (syntax->keyed) {
        checkKeyed(context, command, *syntax);
    } else {
        checkItems(context, command, *syntax);
    }
}

}  // namespace

void checkRegistryPath(ScriptContext& context, const ParamNode& node, const char* path) {
    if (builtAtRunTime(path) || rootOfPath(path) >= 0) return;
    fail(context, node,
         quoted(path) +
             " does not begin with a registry root (HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, "
             "HKEY_LOCAL_MACHINE, HKEY_USERS or HKEY_CURRENT_CONFIG, in capitals)");
}

void noteShown(ScriptContext& context, const ParamNode& node, const char* text) {
    context.facts.shown.insert({text, context.sources.placeOf(&node)});
}

void checkScript(const ParamNode& block, ScriptContext& context) {
    for (ParamCell* c = block.children(); c; c = c->next) checkCommand(context, *c->node);
}
