// Expansion over variables read from the input (block text): every text of the tree is expanded
// against the tree's own entries, the first entry's children standing for the parameters. The
// output stays within its bound however the values refer to each other.
#include <string>

#include "fuzz_folder.h"
#include "params/block_format.h"
#include "params/expansion.h"
#include "params/text_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzFolder();
    ParamNode store;
    TextInStream in(reinterpret_cast<const char*>(data), static_cast<int32_t>(size));
    readTree(store, in);
    ParamNode* first = store.child(0);
    ParamNodeList params = first ? first->children() : nullptr;
    // Texts, values read and names left unresolved, each at most doubled by a modifier.
    const int64_t bound = 2 * (int64_t(size) * 2 + maxExpansionBytes);
    for (ParamCell* c = store.children(); c; c = c->next) {
        TextBuffer text(c->node->value());
        expandText(text, store.children(), params);
        if (text.length() > bound) finding("expansion of " + std::to_string(text.length()) + " bytes");
        TextBuffer path(c->node->name());
        expandPath(path, store);
    }
    ParamNode* copy = store.clone(true);
    expandTree(*copy, nameAndValue, ExpandStart::children, store.children(), params, -1);
    delete copy;
    return 0;
}
