// Block text round trip: a tree the reader accepts is written and read back to the same tree.
#include <cstring>
#include <string>

#include "fuzz_folder.h"
#include "params/block_format.h"
#include "params/text_stream.h"

namespace {

// The writer writes an absent value (left by an entry that failed) as the bare word X, which
// reads back as the text "X".
bool sameTree(const ParamNode& a, const ParamNode& b) {
    if (std::strcmp(a.name(), b.name()) != 0 || a.kind() != b.kind() || !b.value() ||
        std::strcmp(a.value() ? a.value() : "X", b.value()) != 0)
        return false;
    ParamCell* x = a.children();
    ParamCell* y = b.children();
    for (; x && y; x = x->next, y = y->next)
        if (!sameTree(*x->node, *y->node)) return false;
    return !x && !y;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzFolder();
    ParamNode first;
    TextInStream in(reinterpret_cast<const char*>(data), static_cast<int32_t>(size));
    if (!readTree(first, in)) return 0;
    TextOutStream out;
    for (ParamCell* c = first.children(); c; c = c->next) writeEntry(*c->node, out);
    ParamNode second;
    TextInStream again(out.buffer());
    if (!readTree(second, again)) finding("the written tree is refused:\n" + std::string(out.buffer().text()));
    if (!sameTree(first, second)) finding("the tree read back differs:\n" + std::string(out.buffer().text()));
    return 0;
}
