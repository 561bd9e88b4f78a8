#pragma once

// What each command of the script language reads, for the tools that check scripts before they
// are packed and for the publisher's reference. The installer itself dispatches through
// command_table.h and never needs this table.

// How a command uses one of the keys it reads.
enum class KeyUse {
    required,  // its absence makes the command read the text "erreur"
    optional,  // absent, the command takes its default
    branch,    // "Oui"/"Non": a nested script, or without children the name of a flag to define
    script,    // a nested script
    pairs,     // a block of (name, value) pairs
    assigns,   // required: names the variable that the command sets
    assignsIfGiven,  // optional: names a variable that the command sets
    numbers,  // optional: the prefix of the numbered variables (prefix0, prefix1, ...) it sets
};

struct CommandKey {
    const char* name;
    KeyUse use;
};

struct CommandSyntax {
    const char* keyword;
    // Keyed commands read the named children of the command; per-item commands run once for
    // each child, whose own children are what keys lists (anyItemChildren: any children).
    bool keyed;
    const CommandKey* keys;
    int keyCount;
    bool anyItemChildren;
};

// The syntax of the command of that keyword under the FoldUpper comparison, or null.
const CommandSyntax* findCommandSyntax(const char* keyword);
// Every command, keyed commands first, each group in dispatch order.
const CommandSyntax* commandSyntaxes(int& count);
// The key of that exact name among the command's keys, or null.
const CommandKey* findCommandKey(const CommandSyntax& command, const char* name);
