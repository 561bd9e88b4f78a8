#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "params/param_node.h"
#include "tools/mkinstaller/findings.h"
#include "tools/mkinstaller/source_map.h"

struct Package;

// What a product's scripts set and show, gathered while their commands are checked.
struct ScriptFacts {
    std::set<std::string> assigned;     // variables that commands set
    std::vector<std::string> numbered;  // prefixes of numbered variables (prefix0, prefix1, ...)
    // Texts that pass through the translation, each with the first place that shows it.
    std::map<std::string, SourcePlace> shown;
};

struct ScriptContext {
    Package& package;  // the package whose tree holds the script (its sub-functions)
    const SourceMap& sources;
    const std::set<std::string>& libraries;  // names the installer will carry
    Findings& findings;
    ScriptFacts& facts;
};

// Notes a text that node's command or entry shows.
void noteShown(ScriptContext& context, const ParamNode& node, const char* text);

// Checks every command of a script block, nested scripts (branches, "Valide") included: the
// keyword after the depth and silence prefixes, the keys against what the command reads,
// sub-functions called, registry roots, and libraries named by CPLIB. Commands whose keyword is
// built at run time are passed over.
void checkScript(const ParamNode& block, ScriptContext& context);

// A registry path of node must begin with a root name, unless it is built at run time.
void checkRegistryPath(ScriptContext& context, const ParamNode& node, const char* path);
