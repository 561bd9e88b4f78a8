// Expansion over variables read from the input (block text): the value of the last entry is
// expanded against the tree's entries, the first entry's children standing for the parameters.
// The output stays within its bound however the values refer to each other. One text per input:
// values that refer to themselves twice take each expansion to its bound, which under the
// sanitizers takes seconds.
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
    ParamNode* last = store.child(store.childCount() - 1);
    TextBuffer text(last ? last->value() : nullptr);
    expandText(text, store.children(), first ? first->children() : nullptr);
    // The text itself, the values read and the names left unresolved, each at most doubled by a
    // modifier.
    if (text.length() > 2 * (2 * int64_t(size) + maxExpansionBytes))
        finding("an expansion of " + std::to_string(text.length()) + " bytes");
    return 0;
}
