#pragma once

#include "params/param_node.h"
#include "params/text_buffer.h"

// References to named values: "${NAME}" and "$NAME", with an optional
// modifier ("${NAME@1}", "$NAME@2") and, in the braced form, an argument
// part ("${NAME(a, b)}"). vars is the variable list searched (the store's
// children, or a package's own tree); params are the positional parameters
// read by "${0}", "${1}", ... Either list may be empty.

// A name that starts with a decimal digit reads the value of params at that
// position; any other name is a path over vars ("A/B" is the child B of the
// variable A). Null when nothing is found or the node found has no value.
const char* lookupValue(const char* name, ParamNodeList vars, ParamNodeList params);

// One expansion reads at most about this many bytes of values: once it has
// read them, every further reference is replaced by its name, as at the
// nesting limit, so that values that refer to themselves more than once
// cannot grow the text without end.
constexpr int32_t maxExpansionBytes = 4 << 20;

// Replaces every reference in text by its value, in place. Values are
// expanded in turn; a reference met at a nesting depth of 32 is replaced by
// its name, so values that refer to themselves still end. An undefined name
// expands to itself. A text without "$" is left exactly as it is.
void expandText(TextBuffer& text, ParamNodeList vars, ParamNodeList params);

// Calls visit with the name of every reference of text that expansion would
// replace, in order: escaped dollars are skipped, a modifier is dropped, and
// call is true for "${NAME(...)}", which stands for its own name.
using ReferenceVisitor = void (*)(void* context, const char* name, bool call);
void forEachReference(const char* text, ReferenceVisitor visit, void* context);

// Whether expandTree expands the node's own texts or starts with its children.
enum class ExpandStart { node, children };

// Expands the chosen texts of the node (from start) and of its children down to depth levels
// (negative: all levels). Nodes holding an integer are left alone.
void expandTree(ParamNode& node, NodeTexts texts, ExpandStart start, ParamNodeList vars,
                ParamNodeList params, int depth);

// expandText with the children of varsNode and no parameters, then every
// byte 0xA4 becomes the path separator "\". Scripts write 0xA4 where a "\"
// must stand before a reference without escaping it.
void expandPath(TextBuffer& text, const ParamNode& varsNode);
