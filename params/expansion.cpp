#include "params/expansion.h"

#include <cstring>
#include <utility>

#include "params/decimal.h"

namespace {

// References resolved inside values nest; the one met at this depth stands
// for its own name, which ends cycles such as A = "x${A}".
const int maxNesting = 32;

// Values that refer to themselves more than once ("${A}${A}") would double at every level up to
// the nesting limit; past this many resolved references, the rest stand for their names too.
const int32_t maxResolutions = 1 << 18;

// What one expansion reads, how many references it may still resolve and how many bytes of
// values it may still read.
struct Expansion {
    ParamNodeList vars;
    ParamNodeList params;
    int32_t resolutionsLeft;
    int32_t bytesLeft;
};

// The parts of one reference: "${name@modifier(arguments)}".
struct Reference {
    TextBuffer name;
    TextBuffer modifier;
    bool call = false;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isNameByte(char c) {
    return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '@';
}

// The two readers of a reference stay inside the expansion loop: out of line, for the sake of
// forEachReference, which only tools use, they would cost the installer bytes it does not have.

// p is just after "${"; returns the position after the closing "}" (or the
// end of the text). Before "(", each "@" switches to the modifier and is
// dropped; the first "(" starts the arguments, which have no effect and are
// skipped up to "}".
[[gnu::always_inline]] inline const char* readBraced(const char* p, Reference& ref) {
    TextBuffer* part = &ref.name;
    for (; *p && *p != '}'; ++p) {
        if (ref.call) continue;
        if (*p == '@')
            part = &ref.modifier;
        else if (*p == '(')
            ref.call = true;
        else
            part->appendChar(*p);
    }
    return *p ? p + 1 : p;
}

// p is just after "$": the longest run of name bytes; an "@" switches the
// rest of the run to the modifier.
[[gnu::always_inline]] inline const char* readBare(const char* p, Reference& ref) {
    TextBuffer* part = &ref.name;
    for (; isNameByte(*p); ++p) {
        if (*p == '@')
            part = &ref.modifier;
        else
            part->appendChar(*p);
    }
    return p;
}

// The position at the start of name, read up to the first non-digit; large
// numbers stop growing (no list is that long).
int32_t position(const char* name) {
    int32_t n = 0;
    for (; isDigit(*name) && n < 100000000; ++name) n = n * 10 + (*name - '0');
    return n;
}

void expandInto(TextBuffer& out, const char* text, Expansion& ex, int depth);

// Appends the replacement of ref: its value, expanded in turn; for a call,
// its name, expanded; for an undefined name, and at the nesting limit, its
// name as written.
void appendResolved(TextBuffer& out, const Reference& ref, Expansion& ex, int depth) {
    if (depth >= maxNesting || ex.resolutionsLeft <= 0 || ex.bytesLeft <= 0) {
        out.append(ref.name);
        return;
    }
    --ex.resolutionsLeft;
    const char* value = ref.call ? ref.name.text() : lookupValue(ref.name.text(), ex.vars, ex.params);
    if (!value) {
        out.append(ref.name);
        return;
    }
    // What a value adds to the text beyond its references is at most its own length.
    ex.bytesLeft -= static_cast<int32_t>(std::strlen(value));
    expandInto(out, value, ex, depth + 1);
}

// Modifiers transform the replacement as it is appended: 1 doubles every
// "\", 2 turns "\" into "/", 3 turns "/" into "\", any other non-zero number
// drops it; empty, 0 or non-numeric leave it as it is.
void appendReplacement(TextBuffer& out, const Reference& ref, Expansion& ex, int depth) {
    int32_t modifier = decimalToInt(ref.modifier.text());
    if (modifier == 0) {
        appendResolved(out, ref, ex, depth);
        return;
    }
    if (modifier < 1 || modifier > 3) return;
    TextBuffer replacement;
    appendResolved(replacement, ref, ex, depth);
    for (const char* p = replacement.text(); *p; ++p) {
        if (modifier == 1 && *p == '\\')
            out.append("\\\\", 2);
        else if (modifier == 2 && *p == '\\')
            out.appendChar('/');
        else if (modifier == 3 && *p == '/')
            out.appendChar('\\');
        else
            out.appendChar(*p);
    }
}

void expandInto(TextBuffer& out, const char* text, Expansion& ex, int depth) {
    // Escapes only mean something in a text that holds a reference.
    if (!std::strchr(text, '$')) {
        out.append(text);
        return;
    }
    for (const char* p = text; *p;) {
        if (p[0] == '\\' && (p[1] == '$' || p[1] == '\\')) {
            out.appendChar(p[1]);
            p += 2;
        } else if (*p != '$') {
            out.appendChar(*p++);
        } else {
            Reference ref;
            p = p[1] == '{' ? readBraced(p + 2, ref) : readBare(p + 1, ref);
            appendReplacement(out, ref, ex, depth);
        }
    }
}

// Sets out to the expansion of text; false, and nothing to change, when the
// text is absent or holds no reference.
bool expansionOf(const char* text, TextBuffer& out, ParamNodeList vars, ParamNodeList params) {
    if (!text || !std::strchr(text, '$')) return false;
    out.assign(text);
    expandText(out, vars, params);
    return true;
}

}  // namespace

const char* lookupValue(const char* name, ParamNodeList vars, ParamNodeList params) {
    if (!name) return nullptr;
    if (isDigit(name[0])) {
        ParamCell* cell = params;
        for (int32_t n = position(name); cell && n > 0; --n) cell = cell->next;
        return cell ? cell->node->value() : nullptr;
    }
    const char* slash = std::strchr(name, '/');
    if (!slash) {
        ParamNode* node = listFind(vars, name);
        return node ? node->value() : nullptr;
    }
    TextBuffer first;
    first.append(name, static_cast<int32_t>(slash - name));
    ParamNode* node = listFind(vars, first.text());
    if (node) node = node->findPath(slash + 1);
    return node ? node->value() : nullptr;
}

void expandText(TextBuffer& text, ParamNodeList vars, ParamNodeList params) {
    if (!std::strchr(text.text(), '$')) return;
    TextBuffer expanded;
    Expansion ex = {vars, params, maxResolutions, maxExpansionBytes};
    expandInto(expanded, text.text(), ex, 0);
    text = std::move(expanded);
}

void forEachReference(const char* text, ReferenceVisitor visit, void* context) {
    // The same reading as expandInto's, without the output.
    for (const char* p = text; p && *p;) {
        if (p[0] == '\\' && (p[1] == '$' || p[1] == '\\')) {
            p += 2;
        } else if (*p++ == '$') {
            Reference ref;
            p = *p == '{' ? readBraced(p + 1, ref) : readBare(p, ref);
            visit(context, ref.name.text(), ref.call);
        }
    }
}

void expandTree(ParamNode& node, NodeTexts texts, ExpandStart start, ParamNodeList vars,
                ParamNodeList params, int depth) {
    if (start == ExpandStart::node && node.kind() == ValueKind::text) {
        TextBuffer text;
        if ((texts & nodeName) && expansionOf(node.name(), text, vars, params))
            node.setName(text.text());
        if ((texts & nodeValue) && expansionOf(node.value(), text, vars, params))
            node.setText(text.text());
    }
    if (depth == 0) return;
    for (ParamCell* c = node.children(); c; c = c->next)
        expandTree(*c->node, texts, ExpandStart::node, vars, params, depth - 1);
}

void expandPath(TextBuffer& text, const ParamNode& varsNode) {
    expandText(text, varsNode.children(), nullptr);
    text.replaceByte('\xA4', '\\');
}
