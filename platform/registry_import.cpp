#include "platform/registry_key.h"

#include "params/block_format.h"
#include "params/expansion.h"

namespace {

// What the value being replaced was, for the expansion of the new one:
// EXVAL its typed text, EXVALHT the same without prefix, EXVALTYP the
// prefix. A value that does not exist leaves all three without a value.
void describeOldValue(ParamNode& variables, const char* old) {
    TextBuffer type;
    const char* payload = stripTypePrefix(old, type);
    variables.findOrCreate("EXVAL")->setText(old);
    variables.findOrCreate("EXVALHT")->setText(payload);
    variables.findOrCreate("EXVALTYP")->setText(old ? type.text() : nullptr);
}

// The values of one key entry, in reverse file order: of two values with
// the same name the earlier one is written last and stays.
ParamNodeList newValues(RegistryKey& key, const ParamNode& entry, ParamNode& variables) {
    ParamNodeList values = nullptr;
    for (ParamCell* c = entry.children(); c; c = c->next) {
        const ParamNode& value = *c->node;
        TextBuffer name(value.name());
        expandPath(name, variables);
        describeOldValue(variables,
                         key.readValue(name.text(), KeyListing::cached, ValueForm::typed));
        ParamNode* node = new ParamNode(name.text(), nullptr);
        if (value.kind() == ValueKind::integer) {
            node->setInteger(value.integerValue());
        } else if (value.value()) {
            TextBuffer text(value.value());
            expandPath(text, variables);
            node->setText(text.text());
        }
        listPrepend(values, node);
    }
    return values;
}

}  // namespace

void importFile(const char* file, ParamNode& variables, ParamNodeList& failedKeys,
                MadeObserver* made) {
    ParamNode keys;
    readTreeFile(keys, file, BlockNumbers::typed);
    for (ParamCell* c = keys.children(); c; c = c->next) {
        TextBuffer path(c->node->name());
        expandPath(path, variables);
        RegistryKey key;
        key.allowWriting();
        key.tellMade(made);
        key.openPath(path.text(), KeyOpening::create);
        ParamNodeList values = newValues(key, *c->node, variables);
        if (!key.writeValues(values, IntegerNodes::asDword)) {
            const char* stored = key.path() ? key.path() : "";
            listAppend(failedKeys, new ParamNode(stored, stored));
        }
        listClear(values);
    }
}
