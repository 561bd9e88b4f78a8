#include "app/run_log.h"

#include "app/install_variables.h"

#include "packages/package.h"
#include "params/param_node.h"
#include "params/text_buffer.h"
#include "params/variable_store.h"
#include "session/run_state.h"

namespace {

void appendLine(TextBuffer& log, const char* label, const char* name, const char* value) {
    log.append(label);
    log.append(name);
    log.append(value);
    log.append("\r\n");
}

void appendChosenPackages(TextBuffer& log, const Package& package) {
    if (!package.state) return;
    TextBuffer title;
    if (!package.title.empty()) {
        title.append(" (");
        title.append(package.title);
        title.append(")");
    }
    appendLine(log, "Produit install\xE9 : ", package.id.text(), title.text());
    for (const auto& sub : package.subPackages) appendChosenPackages(log, *sub);
}

}  // namespace

void appendRunSummary(TextBuffer& log, const Package& root) {
    appendChosenPackages(log, root);
    // The declared variables are the ones that name their package; an action has no value.
    for (ParamCell* c = VariableStore().children(); c; c = c->next) {
        if (!c->node->find("IDProd") || c->node->integerOf("Type") == kindAction) continue;
        TextBuffer value(" = ");
        value.append(c->node->value() ? c->node->value() : "");
        appendLine(log, "Param\xE8tre : ", c->node->name(), value.text());
    }
    log.append("Fichiers copi\xE9s : ");
    log.appendInt(Copied().files.load());
    log.append(" (");
    log.appendUInt64(static_cast<uint64_t>(Copied().bytes.load()));
    log.append(" octets)\r\n");
}
