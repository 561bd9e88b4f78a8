#include "script/script_engine.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "packages/package.h"
#include "params/expansion.h"
#include "params/variable_store.h"
#include "script/command_table.h"
#include "script/run_limits.h"
#include "session/run_state.h"
#include "session/stores.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "NAME&" requires NAME to be defined, "NAME!" requires it not to be; tokens chain ("A&B!").
// "&" is searched before "!", so "A!B&" tests a variable named "A!B". Text after the last
// operator is ignored; a text without visible bytes is no guard at all.
bool guardPasses(const char* guard) {
    if (!hasVisibleByte(guard)) return true;
    TextBuffer token;
    for (const char* rest = guard; *rest;) {
        const char* op = std::strchr(rest, '&');
        if (!op) op = std::strchr(rest, '!');
        if (!op) break;
        token.clear();
        token.append(rest, static_cast<int32_t>(op - rest));
        if (isDefined(token.text()) != (*op == '&')) return false;
        rest = op + 1;
    }
    return true;
}

// Runs a per-item command (or reports an unknown keyword) once for each item. An item that left
// the runtime's error number set adds its system text, unless silenced or nothing failed yet.
void runItems(CommandRun& run, ItemCommand command) {
    for (ParamCell* c = run.command.children(); c && !stopRequested(); c = c->next) {
        errno = 0;
        if (command) {
            command(run, *c->node);
        } else {
            addError("???", composeMessage(run, "Commande inconnue : ", run.keyword));
        }
        if (errno != 0 && run.reporting && ErrorList().children()) {
            addError("Windows", std::strerror(errno));
        }
    }
}

// Runs command, which is its own working copy: it is expanded and changed in place.
void runWorking(Package& package, ParamNode& command, ParamNodeList params) {
    setVariable("INSTALLE", package.folder.text());
    // The depth digit is read from the name as written, before expansion.
    const char* written = command.name() ? command.name() : "";
    const int depth = isDigit(written[0]) ? written[0] - '0' : -1;
    expandTree(command, nameAndValue, ExpandStart::node, VariableStore().children(), params,
               depth);
    command.replaceChar(nameAndValue, '\xA4', '\\', Reach::tree);
    if (!guardPasses(command.value() ? command.value() : "")) return;

    const char* keyword = command.name() ? command.name() : "";
    if (isDigit(*keyword)) ++keyword;
    const bool silent = *keyword == '-';
    if (silent) ++keyword;

    CommandRun run{package, command, keyword, !silent, TextBuffer()};
    if (KeyedCommand keyed = findKeyedCommand(keyword)) {
        keyed(run);
    } else {
        runItems(run, findItemCommand(keyword));
    }
}

// Runs every child of block as a command, unless blocks already nest too deep. The block is a copy
// owned by the caller, which nothing else reaches: its commands are their own working copies, so
// nesting costs no copy of the subtree at every level.
bool runNested(Package& package, ParamNode& block, ParamNodeList params, BlockProgress progress) {
    if (!enterBlock()) return false;
    const bool tracked = progress == BlockProgress::tracked;
    int32_t index = 0;
    if (tracked) {
        ScriptProgress().count.store(block.childCount());
        ScriptProgress().index.store(0);
    }
    for (ParamCell* c = block.children(); c && !stopRequested(); c = c->next, ++index) {
        if (tracked) ScriptProgress().index.store(index);
        runWorking(package, *c->node, params);
    }
    leaveBlock();
    return true;
}

}  // namespace

bool RunBlock(Package& package, const ParamNode* block, ParamNodeList params,
              BlockProgress progress) {
    if (!block) return true;
    // A command may remove the node that holds the block (VARKILL of the variable whose script
    // runs), so the block runs from its own copy.
    std::unique_ptr<ParamNode> script(block->clone(Reach::tree));
    return runNested(package, *script, params, progress);
}

bool RunBranch(Package& package, const char* branch, ParamNode& working) {
    ParamNode* chosen = working.find(branch);
    if (!chosen) return true;
    if (chosen->children()) {
        // The branch is part of the command's working copy: it runs without a copy of its own.
        return runNested(package, *chosen, nullptr, BlockProgress::untracked);
    }
    const char* flag = chosen->value() ? chosen->value() : "";
    if (!isDefined(flag)) setVariable(flag, "");
    return true;
}
