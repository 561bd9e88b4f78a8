#pragma once

#include "params/param_node.h"
#include "params/text_buffer.h"

struct Package;

// What REG_EVAL looks for: under root\before, every subkey S whose key S\after holds the value
// name.
struct BranchSearch {
    const char* root;
    const char* before;
    const char* after;
    const char* name;
    // Which pieces make a hit's label ("|racine|", "|prefixe|", "|braj|", "|suffixe|", "|val|")
    // and whether the user chooses among several hits ("|ihm|").
    const char* flags;
    // The question shown above the hits when the user chooses.
    const char* prompt;
    // When given, receives every hit as the pair (before\S, value).
    ParamNode* memo;
    // When given, runs for every hit with nine positional parameters: root, before, after, name,
    // flags, S, the value, before\S and the label.
    const ParamNode* validation;
};

// The subkey name S of the chosen hit: the user's choice when several hits and "|ihm|", else the
// hit found last. False when there is no hit, the branch cannot be opened or the user cancels.
bool searchBranches(Package& package, const BranchSearch& search, TextBuffer& result);
