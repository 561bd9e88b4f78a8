#include "params/block_format.h"

namespace {

void writeTabs(OutStream& out, int depth)
{
    for (int i = 0; i < depth; ++i)
        out.put('\t');
}

// A double-quoted text with quotes and backslashes escaped; an absent text
// is the bare letter X.
void writeQuoted(OutStream& out, const char* text)
{
    if (!text) {
        out.put('X');
        return;
    }
    out.put('"');
    for (; *text; ++text) {
        if (*text == '"' || *text == '\\')
            out.put('\\');
        out.put(*text);
    }
    out.put('"');
}

void writeAt(const ParamNode& node, OutStream& out, int depth)
{
    writeTabs(out, depth);
    writeQuoted(out, node.name());
    out << " = ";
    if (typedNumbers() && node.kind() == ValueKind::integer)
        out << node.integerValue();
    else
        writeQuoted(out, node.value());
    out.put('\n');
    if (!node.children())
        return;
    writeTabs(out, depth);
    out << "+\n";
    for (ParamCell* c = node.children(); c; c = c->next)
        writeAt(*c->node, out, depth + 1);
    writeTabs(out, depth);
    out << "-\n";
}

}  // namespace

void writeEntry(const ParamNode& node, OutStream& out)
{
    writeAt(node, out, 0);
}
