#include "script/registry_search.h"

#include <cstring>

#include "platform/registry_key.h"
#include "script/choice_list.h"
#include "script/script_engine.h"
#include "session/translation.h"
#include "ui/responder.h"

namespace {

bool hasFlag(const char* flags, const char* flag) {
    return std::strstr(flags, flag) != nullptr;
}

// The pieces that the flags ask for, in a fixed order, joined by "\"; empty pieces are left out.
void composeLabel(const BranchSearch& search, const char* subkey, const char* value,
                  TextBuffer& label) {
    const struct {
        const char* flag;
        const char* piece;
    } pieces[] = {{"|racine|", search.root},
                  {"|prefixe|", search.before},
                  {"|braj|", subkey},
                  {"|suffixe|", search.after},
                  {"|val|", value}};
    label.clear();
    for (const auto& entry : pieces) {
        if (!hasFlag(search.flags, entry.flag) || !*entry.piece) continue;
        if (!label.empty()) label.appendChar('\\');
        label.append(entry.piece);
    }
}

void runValidation(Package& package, const BranchSearch& search, const char* subkey,
                   const char* value, const char* fullSubkey, const char* label) {
    const char* texts[] = {search.root, search.before, search.after, search.name, search.flags,
                           subkey,      value,         fullSubkey,   label};
    ParamNodeList params = nullptr;
    for (const char* text : texts) listAppend(params, new ParamNode(text, text));
    RunBlock(package, search.validation, params, BlockProgress::untracked);
    listClear(params);
}

// Records one hit in the list of hits (and in the memo list) and runs the validation block.
void recordHit(Package& package, const BranchSearch& search, const char* subkey, const char* value,
               ParamNode& hits) {
    TextBuffer label;
    composeLabel(search, subkey, value, label);
    hits.findOrCreate(subkey)->setText(label.text());
    TextBuffer fullSubkey(search.before);
    fullSubkey.appendChar('\\');
    fullSubkey.append(subkey);
    if (search.memo) addChoice(*search.memo, fullSubkey.text(), value);
    if (search.validation) {
        runValidation(package, search, subkey, value, fullSubkey.text(), label.text());
    }
}

}  // namespace

bool searchBranches(Package& package, const BranchSearch& search, TextBuffer& result) {
    RegistryKey branch;
    branch.joinRootAndBranch(search.root, search.before, KeyOpening::existing);
    if (!branch.isOpen()) return false;
    ParamNode hits;
    for (ParamCell* c = branch.listSubkeys(KeyListing::cached); c; c = c->next) {
        const char* subkey = c->node->name();
        RegistryKey candidate;
        candidate.openUnder(branch, KeyOpening::existing, subkey, search.after);
        if (const char* value =
                candidate.readValue(search.name, KeyListing::cached, ValueForm::plain)) {
            recordHit(package, search, subkey, value, hits);
        }
    }
    if (!hits.children()) return false;
    if (hits.childCount() > 1 && hasFlag(search.flags, "|ihm|")) {
        const char* chosen = responder().chooseFromList(translate("Gestion de registre"),
                                                        search.prompt, &hits, 1, -1);
        result.assign(chosen);
        return chosen != nullptr;
    }
    result.assign(hits.child(0)->name());
    return true;
}
