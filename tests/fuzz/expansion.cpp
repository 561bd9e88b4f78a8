// Expansion over variables read from the input (block text): every name and value of the tree is
// expanded against the tree's own entries, the first entry's children standing for the
// parameters. The output stays within its bound however the values refer to each other.
#include <cstring>
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
    ParamNode* copy = store.clone(true);
    expandTree(*copy, nameAndValue, ExpandStart::children, store.children(),
               first ? first->children() : nullptr, -1);
    // The text itself, the values read and the names left unresolved, each at most doubled by a
    // modifier.
    const int64_t bound = 2 * (2 * int64_t(size) + maxExpansionBytes);
    for (ParamCell* c = copy->children(); c; c = c->next) {
        size_t length = c->node->value() ? std::strlen(c->node->value()) : 0;
        if (int64_t(length) > bound) finding("an expansion of " + std::to_string(length) + " bytes");
    }
    delete copy;
    return 0;
}
