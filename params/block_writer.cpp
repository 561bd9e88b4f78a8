#include "params/block_format.h"

#include <algorithm>
#include <vector>

namespace {

// Lines nested deeper than maxBlockNesting keep that indentation; their
// "+" and "-" lines still carry the structure.
void writeTabs(OutStream& out, size_t depth) {
    for (size_t tabs = std::min<size_t>(depth, maxBlockNesting); tabs > 0; --tabs) out.put('\t');
}

// A double-quoted text with quotes and backslashes escaped; an absent text
// is the bare letter X.
void writeQuoted(OutStream& out, const char* text) {
    if (!text) {
        out.put('X');
        return;
    }
    out.put('"');
    for (; *text; ++text) {
        if (*text == '"' || *text == '\\') out.put('\\');
        out.put(*text);
    }
    out.put('"');
}

// The entry's own line, without its children.
void writeLine(const ParamNode& node, OutStream& out, size_t depth, BlockNumbers numbers) {
    writeTabs(out, depth);
    writeQuoted(out, node.name());
    out << " = ";
    if (numbers == BlockNumbers::typed && node.kind() == ValueKind::integer)
        out << node.integerValue();
    else
        writeQuoted(out, node.value());
    out.put('\n');
}

}  // namespace

// A loop over an explicit stack instead of a call per level, so a tree of
// any depth is written without exhausting the thread's stack.
void writeEntry(const ParamNode& node, OutStream& out, BlockNumbers numbers) {
    writeLine(node, out, 0, numbers);
    if (!node.children()) return;
    out << "+\n";
    // For each open block, the next child to write.
    std::vector<ParamCell*> open(1, node.children());
    while (!open.empty()) {
        size_t depth = open.size();
        ParamCell* cell = open.back();
        if (!cell) {
            open.pop_back();
            writeTabs(out, depth - 1);
            out << "-\n";
            continue;
        }
        open.back() = cell->next;
        writeLine(*cell->node, out, depth, numbers);
        if (cell->node->children()) {
            writeTabs(out, depth);
            out << "+\n";
            open.push_back(cell->node->children());
        }
    }
}
