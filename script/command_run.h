#pragma once

#include "params/param_node.h"
#include "params/text_buffer.h"

struct Package;

// One run of one command, handed to the command's implementation. The block's positional
// parameters are not part of it: they served in the expansion of the working copy.
struct CommandRun {
    Package& package;
    // The working copy: expanded, 0xA4 replaced, owned by the run.
    ParamNode& command;
    // The keyword as written after expansion, without digit and "-" prefixes.
    const char* keyword;
    // Off when the keyword had a leading "-".
    bool reporting;
    // Where composeMessage writes a failure message.
    TextBuffer message;
};

// A keyed command's argument: the value of the first child named key (exact comparison; the
// empty text when that child has none), or fallback when there is no such child. Required keys
// fall back to "erreur"; an optional key without default gives null when absent.
const char* argument(const CommandRun& run, const char* key, const char* fallback = "erreur");

// The question above a list to choose from when the command's "Titre" gives none.
inline constexpr char defaultChoicePrompt[] =
    "S\xE9lectionnez la ligne souhait\xE9"
    "e";

// An item's value; the empty text for an item without one.
const char* itemValue(const ParamNode& item);

// Composes translated prefix + first [+ "=>" + second] [+ " : " + detail] in the message buffer
// and returns it. Operands are not translated.
const char* composeMessage(CommandRun& run, const char* prefix, const char* first,
                           const char* second = nullptr, const char* detail = nullptr);

// A failed operation: when reporting is on, puts (keyword, composed message) at the front of the
// ErrorList.
void report(CommandRun& run, const char* prefix, const char* first, const char* second = nullptr,
            const char* detail = nullptr);
