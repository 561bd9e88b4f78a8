#pragma once

#include "params/param_node.h"

struct Package;

// Whether a block's run moves ScriptProgress (an "Installe" block's) or leaves it alone.
enum class BlockProgress { untracked, tracked };

// The interpreter of install scripts. A script is a block of a package's tree: each child is a
// command whose name is the keyword (with an optional expansion-depth digit and an optional "-"
// that silences its reports), whose value is its guard and whose children are its arguments.
// Scripts always run on behalf of a package (the running package); failures never stop them,
// they become entries of the ErrorList.

// Runs every child of block as a command, in order, handing params (the positional parameters
// read by "${0}", "${1}", ...) to each; ScriptProgress follows the commands when tracked. A
// null block does nothing; a stop request ends the block before its next command. False, with
// nothing run, when blocks already nest maxRunNesting deep.
bool RunBlock(Package& package, const ParamNode* block, ParamNodeList params,
              BlockProgress progress);

// The branch named branch ("Oui" or "Non") of a condition command's working copy: a branch with
// children is run as a block; a branch without children defines the variable its value names.
// A missing branch does nothing. False, with nothing run, when blocks already nest maxRunNesting
// deep.
bool RunBranch(Package& package, const char* branch, ParamNode& working);
